#include "errors/RegisterContext.h"

#include "errors/HexText.h"

namespace {

std::string registerLine(const char* first, uintptr_t firstValue, const char* second,
                         uintptr_t secondValue, const char* third, uintptr_t thirdValue) {
    return std::string(first) + ": " + hexWord(firstValue) + " " + second + ": " +
           hexWord(secondValue) + " " + third + ": " + hexWord(thirdValue) + "\r\n";
}

constexpr bool wideRegisters = sizeof(uintptr_t) == 8;

} // namespace

std::string registerText(const RegisterContext& context) {
    const auto name = [](const char* wide, const char* narrow) {
        return wideRegisters ? wide : narrow;
    };
    return registerLine(name("RAX", "EAX"), context.ax, name("RBX", "EBX"), context.bx,
                        name("RCX", "ECX"), context.cx) +
           registerLine(name("RDX", "EDX"), context.dx, name("RSI", "ESI"), context.si,
                        name("RDI", "EDI"), context.di) +
           registerLine(name("RBP", "EBP"), context.bp, name("RSP", "ESP"), context.sp,
                        name("RIP", "EIP"), context.ip) +
           registerLine("CS", context.cs, "DS", context.ds, "EF", context.flags);
}
