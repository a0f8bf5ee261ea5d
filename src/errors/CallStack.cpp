#include "errors/CallStack.h"

#include "errors/HexText.h"
#include "errors/ModuleLocation.h"
#include "errors/SafeMemory.h"
#include "errors/StackWords.h"

#include <array>
#include <unwind.h>

namespace {

constexpr std::size_t argumentWords = 8;
constexpr std::size_t maximumFrames = 128;
constexpr uintptr_t wordSize = sizeof(uintptr_t);

std::string frameText(uintptr_t wordsAddress, uintptr_t returnAddress,
                      const ModuleLocation& location) {
    std::string text = stackWordsText(wordsAddress, argumentWords);
    // A dump cut short by unreadable memory would otherwise run into the frame's own line.
    if (!text.empty() && !text.ends_with("\r\n")) {
        text += "\r\n";
    }
    text += "->" + hexWord(returnAddress) + "  " + hexText(location.section, 4) + ":" +
            hexWord(location.offset) + " " + location.fileName + "\r\n";
    return text;
}

// What the unwinder reports for each step: where the caller resumes, and the stack pointer it
// resumes with, which is where the callee's frame began and the caller's own words lie.
struct UnwoundFrame {
    uintptr_t instruction = 0;  // return address, or the exact instruction of an interrupted frame
    uintptr_t frameAddress = 0; // the callee's canonical frame address
    bool interrupted = false;   // stopped by a signal rather than by a call
};

// A fixed array rather than a vector: nothing may throw or allocate inside the unwinder.
struct UnwoundStack {
    std::array<UnwoundFrame, maximumFrames> frames;
    std::size_t size = 0;
};

_Unwind_Reason_Code recordFrame(_Unwind_Context* context, void* data) {
    auto& stack = *static_cast<UnwoundStack*>(data);
    int beforeInstruction = 0;
    UnwoundFrame frame;
    frame.instruction = _Unwind_GetIPInfo(context, &beforeInstruction);
    frame.frameAddress = _Unwind_GetCFA(context);
    frame.interrupted = beforeInstruction != 0;
    stack.frames[stack.size++] = frame;
    const bool more = frame.instruction != 0 && stack.size < stack.frames.size();
    return more ? _URC_NO_REASON : _URC_END_OF_STACK;
}

void unwindThisThread(UnwoundStack& stack) {
    _Unwind_Backtrace(recordFrame, &stack);
}

std::string unwoundStackText(const UnwoundStack& stack, std::size_t first) {
    std::string text;
    try {
        for (std::size_t i = first; i < stack.size; ++i) {
            const std::optional<ModuleLocation> location =
                moduleLocation(stack.frames[i].instruction);
            if (!location) {
                break;
            }
            text += frameText(stack.frames[i].frameAddress, stack.frames[i].instruction, *location);
        }
    } catch (...) {
    }
    return text;
}

std::optional<std::size_t> findFrame(const UnwoundStack& stack, uintptr_t instruction,
                                     bool interrupted) {
    for (std::size_t i = 0; i < stack.size; ++i) {
        const UnwoundFrame& frame = stack.frames[i];
        if (frame.instruction == instruction && frame.interrupted == interrupted) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace

std::string callStackText(uintptr_t framePointer) {
    std::string text;
    try {
        for (std::size_t frames = 0; frames < maximumFrames; ++frames) {
            uintptr_t frame[2];
            if (framePointer % wordSize != 0 || !readMemory(framePointer, frame, sizeof frame)) {
                break;
            }
            const uintptr_t callerFrame = frame[0];
            const uintptr_t returnAddress = frame[1];
            if (callerFrame <= framePointer) {
                break;
            }
            const std::optional<ModuleLocation> location = moduleLocation(returnAddress);
            if (!location) {
                break;
            }
            text += frameText(framePointer + sizeof frame, returnAddress, *location);
            framePointer = callerFrame;
        }
    } catch (...) {
    }
    return text;
}

std::string callStackTextFrom(uintptr_t returnAddress, int framesToSkip) {
    UnwoundStack stack;
    unwindThisThread(stack);
    const std::optional<std::size_t> creator = findFrame(stack, returnAddress, false);
    if (!creator) {
        return {};
    }
    const std::size_t skipped = framesToSkip > 0 ? static_cast<std::size_t>(framesToSkip) : 0;
    return unwoundStackText(stack, *creator + skipped);
}

std::optional<std::string> callStackTextOfInterrupted(uintptr_t instructionAddress) {
    UnwoundStack stack;
    unwindThisThread(stack);
    const std::optional<std::size_t> interrupted = findFrame(stack, instructionAddress, true);
    if (!interrupted) {
        return std::nullopt;
    }
    return unwoundStackText(stack, *interrupted + 1);
}
