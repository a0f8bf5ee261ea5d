#include "app/ProcessHooks.h"

#include "app/ErrorGuard.h"
#include "errors/VerboseError.h"
#include "resources/Strings.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr uint32_t abnormalTerminationText = 28;
constexpr uint32_t outOfMemoryText = 31;
// Freed when memory runs out, so that the error and its report can still be built.
constexpr std::size_t memoryReserveSize = 256 * 1024;

struct HookState {
    ErrorGuard* guard = nullptr;
    std::function<void()> abnormalTerminationActions;
    std::unique_ptr<char[]> memoryReserve;
};

HookState& hookState() {
    static HookState state;
    return state;
}

thread_local bool buildingOutOfMemoryError = false;

class OutOfMemoryScope {
public:
    OutOfMemoryScope() { buildingOutOfMemoryError = true; }
    ~OutOfMemoryScope() { buildingOutOfMemoryError = false; }
    OutOfMemoryScope(const OutOfMemoryScope&) = delete;
    OutOfMemoryScope& operator=(const OutOfMemoryScope&) = delete;
};

void runAbnormalTerminationActions() noexcept {
    try {
        if (hookState().abnormalTerminationActions) {
            hookState().abnormalTerminationActions();
        }
    } catch (...) {
        // The remaining steps matter more than an action's error.
    }
}

// Out of line, so that the report's call stack starts in the terminate handler.
[[gnu::noinline]] void reportAbnormalTermination() noexcept {
    try {
        const VerboseError error(Resources::loadString(abnormalTerminationText), 0);
        if (hookState().guard != nullptr) {
            hookState().guard->report(std::make_exception_ptr(error));
        }
    } catch (...) {
        // Nothing is left to report with.
    }
}

} // namespace

ProcessHooks::ProcessHooks(ErrorGuard& guard, std::function<void()> abnormalTerminationActions)
    : previousTerminate_(std::get_terminate()), previousNewHandler_(std::get_new_handler()) {
    HookState& state = hookState();
    state.guard = &guard;
    state.abnormalTerminationActions = std::move(abnormalTerminationActions);
    state.memoryReserve = std::make_unique<char[]>(memoryReserveSize);
    std::set_terminate(onTerminate);
    std::set_new_handler(onOutOfMemory);
}

ProcessHooks::~ProcessHooks() {
    std::set_new_handler(previousNewHandler_);
    std::set_terminate(previousTerminate_);
    HookState& state = hookState();
    state.guard = nullptr;
    state.abnormalTerminationActions = nullptr;
    state.memoryReserve.reset();
}

void ProcessHooks::onOutOfMemory() {
    // Building the error needs memory too; should that fail, the plain error is enough.
    if (buildingOutOfMemoryError) {
        throw std::bad_alloc();
    }
    const OutOfMemoryScope scope;
    hookState().memoryReserve.reset();
    throw VerboseError(Resources::loadString(outOfMemoryText), 0);
}

void ProcessHooks::onTerminate() noexcept {
    static std::atomic_flag entered = ATOMIC_FLAG_INIT;
    if (!entered.test_and_set()) {
        runAbnormalTerminationActions();
        reportAbnormalTermination();
    }
    std::fflush(nullptr);
    std::_Exit(exitFailure);
}
