#pragma once

#include <cstdint>
#include <string>

// The registers of an interrupted x86 thread that the fault report shows, at the machine's width:
// EAX and its kin on 32-bit Windows, RAX and its kin on x86-64.
struct RegisterContext {
    uintptr_t ax = 0;
    uintptr_t bx = 0;
    uintptr_t cx = 0;
    uintptr_t dx = 0;
    uintptr_t si = 0;
    uintptr_t di = 0;
    uintptr_t bp = 0;
    uintptr_t sp = 0;
    uintptr_t ip = 0;
    uintptr_t cs = 0;
    uintptr_t ds = 0;
    uintptr_t flags = 0;
};

// Four lines of three registers each, values in upper-case hexadecimal digits as wide as a word.
std::string registerText(const RegisterContext& context);
