#include "errors/StructuredException.h"

#include "errors/CallStack.h"
#include "errors/ExceptionCode.h"
#include "errors/HexText.h"
#include "errors/ModuleLocation.h"
#include "errors/StackWords.h"

#include <optional>

namespace {

constexpr std::size_t stackWordsShown = 16;

std::string moduleText(uintptr_t address) {
    const std::optional<ModuleLocation> location = moduleLocation(address);
    if (!location) {
        return {};
    }
    return " (" + hexText(location->section, 4) + ":" + hexWord(location->offset) + " " +
           location->fileName + ")";
}

// While the fault's own signal is being handled the unwinder can step through the signal frame,
// which needs no frame pointers; otherwise the saved frame-pointer chain is all there is.
std::string faultCallStack(const RegisterContext& context) {
    std::optional<std::string> unwound = callStackTextOfInterrupted(context.ip);
    return unwound ? std::move(*unwound) : callStackText(context.bp);
}

} // namespace

StructuredException::StructuredException(uint32_t exceptionCode,
                                         const ExceptionPointers& exceptionPointers)
    : VerboseError(faultText(exceptionCode, exceptionPointers.exceptionRecord.address),
                   faultDetails(exceptionPointers)),
      exceptionCode_(exceptionCode), exceptionPointers_(exceptionPointers) {}

std::string StructuredException::faultText(uint32_t code, uintptr_t address) {
    const std::optional<std::string_view> name = exceptionCodeName(code);
    std::string text = name ? "Exception " + std::string(*name) + " (0x" + hexText(code, 8) +
                                  ") at address " + hexWord(address)
                            : std::string("unknown structured exception");
    return text + moduleText(address) + ".";
}

std::string StructuredException::faultDetails(const ExceptionPointers& pointers) {
    const RegisterContext& context = pointers.contextRecord;
    std::string details;
    try {
        details = faultCallStack(context);
        details += "\r\n" + registerText(context) + "\r\n";
        details += stackWordsText(context.sp, stackWordsShown);
    } catch (...) {
    }
    return details;
}
