#pragma once

#include <cstdint>
#include <string>

// The x86-64 registers of an interrupted thread that the fault report shows.
struct RegisterContext {
    uint64_t rax = 0;
    uint64_t rbx = 0;
    uint64_t rcx = 0;
    uint64_t rdx = 0;
    uint64_t rsi = 0;
    uint64_t rdi = 0;
    uint64_t rbp = 0;
    uint64_t rsp = 0;
    uint64_t rip = 0;
    uint64_t cs = 0;
    uint64_t ds = 0;
    uint64_t eflags = 0;
};

// Four lines of three registers each, values in 16 upper-case hexadecimal digits.
std::string registerText(const RegisterContext& context);
