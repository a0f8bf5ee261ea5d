#include "errors/FaultTranslator.h"

#include "backends/posix/SignalExceptionPointers.h"

#include <csignal>

namespace {

// Large enough for the unwinder and the report's call-stack walk.
constexpr std::size_t alternateStackSize = 256 * 1024;

constexpr int faultSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE};

thread_local bool translating = false;

// Marks the handler's work; leaving it by the exception clears the mark again.
class TranslationScope {
public:
    TranslationScope() { translating = true; }
    ~TranslationScope() { translating = false; }
    TranslationScope(const TranslationScope&) = delete;
    TranslationScope& operator=(const TranslationScope&) = delete;
};

void endWithDefaultAction(int signal) {
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
}

void translateFault(int signal, siginfo_t* info, void* context) {
    if (translating) {
        // Returning runs the faulting instruction again, now under the default action.
        endWithDefaultAction(signal);
        return;
    }
    const TranslationScope scope;
    throw Posix::structuredExceptionFromSignal(signal, info,
                                               static_cast<const ucontext_t*>(context));
}

} // namespace

struct FaultTranslator::Installation {
    struct sigaction previousHandlers[std::size(faultSignals)]{};
    std::unique_ptr<char[]> alternateStack{new char[alternateStackSize]};
    stack_t previousStack{};
};

FaultTranslator::FaultTranslator() : installation_(std::make_unique<Installation>()) {
    stack_t stack{};
    stack.ss_sp = installation_->alternateStack.get();
    stack.ss_size = alternateStackSize;
    sigaltstack(&stack, &installation_->previousStack);

    struct sigaction action {};
    action.sa_sigaction = translateFault;
    // SA_NODEFER: the handler is left by an exception, never by a return, so the kernel would
    // not unblock the signal again.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(faultSignals); ++i) {
        sigaction(faultSignals[i], &action, &installation_->previousHandlers[i]);
    }
}

FaultTranslator::~FaultTranslator() {
    for (std::size_t i = 0; i < std::size(faultSignals); ++i) {
        sigaction(faultSignals[i], &installation_->previousHandlers[i], nullptr);
    }
    sigaltstack(&installation_->previousStack, nullptr);
}
