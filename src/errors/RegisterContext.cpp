#include "errors/RegisterContext.h"

#include "errors/HexText.h"

namespace {

std::string registerLine(const char* first, uint64_t firstValue, const char* second,
                         uint64_t secondValue, const char* third, uint64_t thirdValue) {
    return std::string(first) + ": " + hexWord(firstValue) + " " + second + ": " +
           hexWord(secondValue) + " " + third + ": " + hexWord(thirdValue) + "\r\n";
}

} // namespace

std::string registerText(const RegisterContext& context) {
    return registerLine("RAX", context.rax, "RBX", context.rbx, "RCX", context.rcx) +
           registerLine("RDX", context.rdx, "RSI", context.rsi, "RDI", context.rdi) +
           registerLine("RBP", context.rbp, "RSP", context.rsp, "RIP", context.rip) +
           registerLine("CS", context.cs, "DS", context.ds, "EF", context.eflags);
}
