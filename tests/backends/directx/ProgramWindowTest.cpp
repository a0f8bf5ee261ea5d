#include "backends/directx/ProgramWindow.h"

#include "sound/SoundSystem.h"

#include <gtest/gtest.h>

namespace {

// A top-level window of the test's own, gone with the object. Without a display to make windows
// on (Wine without X), there is none.
class OwnWindow {
public:
    explicit OwnWindow(DWORD style, HWND owner = nullptr)
        : window_(CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 64, 64, owner, nullptr, nullptr,
                                  nullptr)) {}
    ~OwnWindow() {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;

    HWND get() const { return window_; }

private:
    HWND window_;
};

// DirectSound and COM make hidden windows of their own in the process; they are not the
// program's.
TEST(ProgramWindowTest, WhileTheProgramShowsNoWindowTheSoundBelongsToTheDesktop) {
    Sound::SoundSystem::create();
    const OwnWindow hidden(WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(DSound::programWindow(), GetDesktopWindow());
}

TEST(ProgramWindowTest, TheProgramsVisibleWindowIsChosenRatherThanOneItOwns) {
    const OwnWindow program(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    if (program.get() == nullptr) {
        GTEST_SKIP() << "no display to make a window on";
    }
    const OwnWindow owned(WS_POPUP | WS_VISIBLE, program.get());
    ASSERT_NE(owned.get(), nullptr);
    EXPECT_EQ(DSound::programWindow(), program.get());
}

} // namespace
