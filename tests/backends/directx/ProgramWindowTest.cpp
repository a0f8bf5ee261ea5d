#include "backends/directx/ProgramWindow.h"

#include "backends/user32/TestWindow.h"
#include "sound/SoundSystem.h"

#include <gtest/gtest.h>

namespace {

// DirectSound and COM make hidden windows of their own in the process; they are not the
// program's.
TEST(ProgramWindowTest, WhileTheProgramShowsNoWindowTheSoundBelongsToTheDesktop) {
    Sound::SoundSystem::create();
    const TestWindow hidden(WS_OVERLAPPEDWINDOW, 0, 0, 64, 64);
    EXPECT_EQ(DSound::programWindow(), GetDesktopWindow());
}

TEST(ProgramWindowTest, TheProgramsVisibleWindowIsChosenRatherThanOneItOwns) {
    const TestWindow program(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 64, 64);
    if (program.get() == nullptr) {
        GTEST_SKIP() << "no display to make a window on";
    }
    const TestWindow owned(WS_POPUP | WS_VISIBLE, 0, 0, 64, 64, program.get());
    ASSERT_NE(owned.get(), nullptr);
    EXPECT_EQ(DSound::programWindow(), program.get());
}

} // namespace
