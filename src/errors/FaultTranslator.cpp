#include "errors/FaultTranslator.h"

#include "errors/StructuredException.h"

namespace {

// Large enough for the unwinder and the report's call-stack walk.
constexpr std::size_t alternateStackSize = 256 * 1024;

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
    throw StructuredException::fromSignal(signal, info, static_cast<const ucontext_t*>(context));
}

} // namespace

FaultTranslator::FaultTranslator() : alternateStack_(new char[alternateStackSize]) {
    stack_t stack{};
    stack.ss_sp = alternateStack_.get();
    stack.ss_size = alternateStackSize;
    sigaltstack(&stack, &previousStack_);

    struct sigaction action {};
    action.sa_sigaction = translateFault;
    // SA_NODEFER: the handler is left by an exception, never by a return, so the kernel would
    // not unblock the signal again.
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(faultSignals); ++i) {
        sigaction(faultSignals[i], &action, &previous_[i]);
    }
}

FaultTranslator::~FaultTranslator() {
    for (std::size_t i = 0; i < std::size(faultSignals); ++i) {
        sigaction(faultSignals[i], &previous_[i], nullptr);
    }
    sigaltstack(&previousStack_, nullptr);
}
