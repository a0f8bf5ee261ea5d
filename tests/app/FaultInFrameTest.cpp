#include "ActionLauncher.h"
#include "RecordingReporter.h"
#include "app/ErrorGuard.h"
#include "app/ProgramEntry.h"
#include "backends/sdl/ScreenSaverWindow.h"
#include "rain/Drawer.h"
#include "rain/Renderer.h"

#include <SDL.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/mman.h>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr int32_t side = 40;

// Address space that cannot be touched: where a damaged picture description would point.
class UnmappedPixels {
public:
    UnmappedPixels() : size_(static_cast<std::size_t>(side * side * 4)) {
        address_ = mmap(nullptr, size_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (address_ == MAP_FAILED) {
            throw std::runtime_error("mmap failed");
        }
    }
    ~UnmappedPixels() { munmap(address_, size_); }
    UnmappedPixels(const UnmappedPixels&) = delete;
    UnmappedPixels& operator=(const UnmappedPixels&) = delete;

    uint8_t* pixels() const { return static_cast<uint8_t*>(address_); }

private:
    std::size_t size_;
    void* address_;
};

struct DisplayLog {
    int shutDowns = 0;
};

class LoggedDisplay : public Sdl::ISaverDisplay {
public:
    explicit LoggedDisplay(DisplayLog& log) : log_(log) {}
    void open(SDL_Window&) override {}
    void shutDown() override { ++log_.shutDowns; }

private:
    DisplayLog& log_;
};

// A full-screen saver whose frame renders a drop into a destination that cannot be written.
class FaultingSaver : public ScreenSaverWindow {
public:
    explicit FaultingSaver(DisplayLog& log)
        : ScreenSaverWindow("Pluvo", false, 0, std::make_unique<LoggedDisplay>(log)),
          drawer_(side, side, 4), background_(side * side * 3) {
        const DirtyRect drop = drawer_.stampOverwrite(20, 20, 4, 0, TemplateKind::Drop);
        drawer_.addDirtyRect(drop.left, drop.top, drop.right, drop.bottom);
    }

    void onTimer() override {
        const PixelBufferDesc destination{24, side * 3, side, side, unmapped_.pixels()};
        const PixelBufferDesc background{24, side * 3, side, side, background_.data()};
        drawer_.draw(destination, background);
        requestQuit();
    }

private:
    Drawer drawer_;
    std::vector<uint8_t> background_;
    UnmappedPixels unmapped_;
};

class FaultInFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_ShowCursor(SDL_ENABLE);
        setRendererPixelFormat(0xFF0000, 0xFF00, 0xFF);
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

TEST_F(FaultInFrameTest, TheFaultIsReportedAfterTheDisplayAndCursorAreGivenBack) {
    DisplayLog display;
    std::vector<std::string> log;
    bool cursorShownAtReport = false;
    RecordingReporter reporter;
    ProgramParts parts;
    parts.loadConfiguration = [&log] { log.push_back("load"); };
    parts.saveConfiguration = [&log] { log.push_back("save"); };
    parts.probeDirectX = [&] {
        cursorShownAtReport = SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
        return GraphicsVersion{0x0501, ""};
    };
    parts.makeLauncher = [&](const std::string&) {
        return std::make_unique<ActionLauncher>(
            [&display] {
                FaultingSaver saver(display);
                saver.setFrameTimer(0);
                saver.runMessageLoop();
            },
            log);
    };

    EXPECT_EQ(runProgram("/s", parts, reporter), exitFailure);

    EXPECT_THAT(log, ElementsAre("load", "run", "launcher gone"));
    EXPECT_EQ(display.shutDowns, 1);
    EXPECT_TRUE(cursorShownAtReport);
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].kind, "detailed");
    EXPECT_THAT(reporter.reports[0].message,
                StartsWith("Exception ACCESS_VIOLATION (0xC0000005) at address "));
    EXPECT_THAT(reporter.reports[0].text, HasSubstr("RIP: "));
    EXPECT_THAT(reporter.reports[0].text, HasSubstr("->"));
}

} // namespace
