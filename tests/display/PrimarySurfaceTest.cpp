#include "display/PrimarySurface.h"

#include "display/DX5Error.h"
#include "display/DX5ResultCodes.h"
#include "display/SurfacePixels.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

using Pixels::PixelFormat;
using Pixels::PixelRect;
using Pixels::PixelView;

// Remembers what reached the screen; its front buffer is the screen given.
class FakePresenter final : public Pixels::IScreenPresenter {
public:
    FakePresenter(std::vector<std::vector<PixelRect>>& shown, PixelView screen)
        : shown_(shown), screen_(screen) {}
    PixelView frontBuffer() override { return screen_; }
    void show(std::span<const PixelRect> areas) override {
        shown_.emplace_back(areas.begin(), areas.end());
        if (onShow) {
            onShow();
        }
    }
    void recreate() override {
        ++recreated;
        if (moved) {
            screen_ = *moved;
        }
    }
    bool showsOnlyWhenAsked() const override { return onlyWhenAsked; }

    int recreated = 0;
    bool onlyWhenAsked = false;
    std::function<void()> onShow;
    // Where the front buffer lies after recreate(), when it moves.
    std::optional<PixelView> moved;

private:
    std::vector<std::vector<PixelRect>>& shown_;
    PixelView screen_;
};

void paint(Pixels::PixelSurface& surface, uint32_t colour) {
    fillSurface(surface, [colour](int32_t, int32_t) { return colour; });
}

class PrimarySurfaceTest : public ::testing::Test {
protected:
    static constexpr int32_t width = 40;
    static constexpr int32_t height = 30;

    std::unique_ptr<Pixels::PrimarySurface> makePrimary() {
        return makePrimary({screen.data(), width, height, width * 4, PixelFormat::xrgb8888()});
    }
    std::unique_ptr<Pixels::PrimarySurface> makePrimary(PixelView front,
                                                        bool onlyWhenAsked = false) {
        auto presenter = std::make_unique<FakePresenter>(shown, front);
        presenter->onlyWhenAsked = onlyWhenAsked;
        presenterSeen = presenter.get();
        return std::make_unique<Pixels::PrimarySurface>(std::move(presenter), width, height,
                                                        PixelFormat::xrgb8888(), nullptr);
    }

    std::vector<uint8_t> screen =
        std::vector<uint8_t>(static_cast<std::size_t>(width) * height * 4);
    std::vector<std::vector<PixelRect>> shown;
    FakePresenter* presenterSeen = nullptr;
};

TEST_F(PrimarySurfaceTest, AFlipOfChangedRectanglesCopiesAndShowsOnlyThose) {
    auto primary = makePrimary();
    paint(primary->backBuffer(), 0x111111);
    primary->flip();
    paint(primary->backBuffer(), 0x222222);
    shown.clear();

    const std::vector<PixelRect> changed{{2, 3, 6, 5}, {-5, 25, 3, 40}, {50, 0, 60, 10}};
    primary->flip(changed);

    EXPECT_EQ(pixelAt(*primary, 2, 3), 0x222222u);
    EXPECT_EQ(pixelAt(*primary, 5, 4), 0x222222u);
    EXPECT_EQ(pixelAt(*primary, 0, 29), 0x222222u);
    EXPECT_EQ(pixelAt(*primary, 6, 4), 0x111111u);
    EXPECT_EQ(pixelAt(*primary, 20, 20), 0x111111u);
    // The locks above each showed the whole surface; the flip showed the clipped rectangles.
    ASSERT_FALSE(shown.empty());
    const std::vector<PixelRect>& flipped = shown.front();
    ASSERT_EQ(flipped.size(), 2u);
    EXPECT_EQ(flipped[1].left, 0);
    EXPECT_EQ(flipped[1].bottom, height);
}

TEST_F(PrimarySurfaceTest, TheFirstFlipAfterARestoreShowsTheWholeFrame) {
    auto primary = makePrimary();
    paint(primary->backBuffer(), 0x333333);
    primary->markLost();
    primary->restore();
    EXPECT_EQ(presenterSeen->recreated, 1);
    shown.clear();

    const std::vector<PixelRect> changed{{1, 1, 2, 2}};
    primary->flip(changed);
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].size(), 1u);
    EXPECT_EQ(shown[0][0].right, width);
    EXPECT_EQ(shown[0][0].bottom, height);
    EXPECT_EQ(pixelAt(*primary, 39, 29), 0x333333u);

    shown.clear();
    primary->flip(changed);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][0].right, 2);
}

// The presenter keeps the front buffer: a flip lands in it, and a presenter whose front buffer
// does not fit the primary is refused rather than drawn past.
TEST_F(PrimarySurfaceTest, ThePrimaryDrawsIntoThePresentersFrontBufferOnly) {
    auto primary = makePrimary();
    paint(primary->backBuffer(), 0x445566);
    primary->flip();
    uint32_t onScreen = 0;
    std::memcpy(&onScreen, screen.data() + (7 * width + 9) * 4, 4);
    EXPECT_EQ(onScreen, 0x445566u);

    std::vector<uint8_t> narrow(static_cast<std::size_t>(width) * height * 2);
    try {
        makePrimary({narrow.data(), width, height, width * 2, PixelFormat::rgb565()});
        ADD_FAILURE() << "a front buffer of another format was taken";
    } catch (const DX5::Error&) {
    }
}

// A screen that takes the front buffer only when asked holds the back buffer there: a flip
// copies nothing, a blit onto the primary is shown while the back buffer keeps its picture, and
// a front buffer made again takes the back buffer's picture along.
TEST_F(PrimarySurfaceTest, TheBackBufferLiesInAFrontBufferShownOnlyWhenAsked) {
    const PixelView front{screen.data(), width, height, width * 4, PixelFormat::xrgb8888()};
    auto primary = makePrimary(front, true);
    const auto onScreen = [this](int32_t x, int32_t y) {
        uint32_t value = 0;
        std::memcpy(&value, screen.data() + (y * width + x) * 4, 4);
        return value;
    };
    paint(primary->backBuffer(), 0x222222);
    EXPECT_EQ(onScreen(7, 9), 0x222222u);
    shown.clear();
    const std::vector<PixelRect> changed{{2, 3, 6, 5}, {-5, 25, 3, 40}};
    primary->flip(changed);
    EXPECT_EQ(shown, (std::vector<std::vector<PixelRect>>{{{2, 3, 6, 5}, {0, 25, 3, 30}}}));

    Pixels::PixelSurface picture(width, height, PixelFormat::xrgb8888());
    paint(picture, 0x777777);
    std::vector<uint32_t> seenWhenShown;
    presenterSeen->onShow = [&] { seenWhenShown.push_back(onScreen(5, 6)); };
    shown.clear();
    picture.copyRectTo(*primary, 4, 5, 8, 9);
    EXPECT_EQ(shown, (std::vector<std::vector<PixelRect>>{{{4, 5, 8, 9}}}));
    EXPECT_EQ(seenWhenShown, (std::vector<uint32_t>{0x777777u}));
    EXPECT_EQ(onScreen(5, 6), 0x222222u);
    EXPECT_EQ(pixelAt(primary->backBuffer(), 5, 6), 0x222222u);
    presenterSeen->onShow = nullptr;

    std::vector<uint8_t> elsewhere(screen.size());
    presenterSeen->moved =
        PixelView{elsewhere.data(), width, height, width * 4, PixelFormat::xrgb8888()};
    primary->markLost();
    primary->restore();
    paint(picture, 0x999999);
    picture.copyRectTo(primary->backBuffer(), 0, 0, 1, 1);
    EXPECT_EQ(pixelAt(primary->backBuffer(), 20, 20), 0x222222u);
    uint32_t corner = 0;
    std::memcpy(&corner, elsewhere.data(), 4);
    EXPECT_EQ(corner, 0x999999u);
}

} // namespace
