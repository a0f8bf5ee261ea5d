#include "platform/QuitSignalHandler.h"

#include <atomic>
#include <csignal>

namespace {

static_assert(std::atomic<bool>::is_always_lock_free, "the flag is set inside a signal handler");

std::atomic<bool> signalled{false};
int installations = 0;

// A hang-up (the terminal or the session that started the saver went away) ends it the same way.
constexpr int quitSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[std::size(quitSignals)];

extern "C" void noteQuitSignal(int) {
    signalled.store(true);
}

} // namespace

QuitSignalHandler::QuitSignalHandler() {
    signalled.store(false);
    if (installations++ > 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = noteQuitSignal;
    sigemptyset(&action.sa_mask);
    // A blocking system call interrupted by the signal resumes; the loop notices the flag when it
    // next wakes up.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(quitSignals); ++i) {
        sigaction(quitSignals[i], &action, &previousActions[i]);
    }
}

QuitSignalHandler::~QuitSignalHandler() {
    if (--installations > 0) {
        return;
    }
    for (std::size_t i = 0; i < std::size(quitSignals); ++i) {
        sigaction(quitSignals[i], &previousActions[i], nullptr);
    }
}

bool QuitSignalHandler::quitRequested() {
    return signalled.load();
}
