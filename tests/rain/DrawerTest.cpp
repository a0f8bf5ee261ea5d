#include "rain/Drawer.h"

#include "rain/Renderer.h"

#include <gtest/gtest.h>
#include <vector>

TEST(DrawerTest, DirtyRectsAreNormalisedAndThinOnesIgnored) {
    Drawer drawer(32, 32, 3);
    EXPECT_EQ(drawer.addDirtyRect(5, 5, 5, 9), 0);
    EXPECT_EQ(drawer.addDirtyRect(5, 5, 9, 5), 0);
    EXPECT_EQ(drawer.addDirtyRect(9, 9, 5, 5), 1);
    EXPECT_EQ(drawer.addDirtyRect(0, 0, 0, 0), 1);
    ASSERT_EQ(drawer.dirtyRects().size(), 1u);
    // Stored as (5, 5, 9, 9), whose last column and row the frame counts past.
    EXPECT_EQ(drawer.dirtyRects()[0], (Pixels::PixelRect{5, 5, 10, 10}));
}

TEST(DrawerTest, StampsSelectTemplatesByKindAndClampStretch) {
    Drawer drawer(40, 40, 4);
    const DirtyRect covered = drawer.stampOverwrite(20, 20, 3, 9, TemplateKind::Drop);
    // Stretch 9 is clamped to the radius, so the template is 6 x 9 with the tail above.
    EXPECT_EQ(covered, (DirtyRect{17, 22, 22, 14}));
    EXPECT_GE(drawer.heightAt(20, 20), 2);
    drawer.stampOverwrite(20, 20, 3, -2, TemplateKind::Track);
    EXPECT_EQ(drawer.heightAt(20, 20), 1);
    EXPECT_EQ(&drawer.templateFor(3, 9, TemplateKind::Drop),
              &drawer.templateFor(3, 3, TemplateKind::Drop));
}

TEST(DrawerTest, ResetDriesTheMapButKeepsQueuedRects) {
    Drawer drawer(40, 40, 4);
    const DirtyRect covered = drawer.stampOverwrite(20, 20, 4, 0, TemplateKind::Drop);
    drawer.addDirtyRect(covered.left, covered.top, covered.right, covered.bottom);
    drawer.reset();
    EXPECT_EQ(drawer.heightAt(20, 20), 0);
    EXPECT_EQ(drawer.dirtyRects().size(), 1u);
}

TEST(DrawerTest, DrawRendersQueuedRectsOnceAndEmptiesTheQueue) {
    setRendererPixelFormat(0, 0, 0);
    Drawer drawer(16, 8, 2);
    std::vector<uint8_t> background(16 * 8, 7);
    std::vector<uint8_t> destination(16 * 8, 0);
    const PixelBufferDesc bg{8, 16, 16, 8, background.data()};
    const PixelBufferDesc dest{8, 16, 16, 8, destination.data()};
    drawer.stampOverwrite(5, 4, 2, 0, TemplateKind::Drop);
    drawer.draw(dest, bg); // nothing queued: nothing drawn
    EXPECT_EQ(destination, std::vector<uint8_t>(16 * 8, 0));
    drawer.addDirtyRect(0, 0, 15, 7);
    drawer.draw(dest, bg);
    EXPECT_TRUE(drawer.dirtyRects().empty());
    EXPECT_EQ(destination[4 * 16 + 5], 7);
    EXPECT_EQ(destination[0], 0); // dry pixels are never written
}
