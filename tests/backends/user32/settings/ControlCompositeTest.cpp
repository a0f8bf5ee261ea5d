#include "ControlTestHost.h"
#include "backends/user32/settings/CpuLoadAndInterruptingOptionsControl.h"
#include "backends/user32/settings/DisplayModeSelectionControl.h"
#include "backends/user32/settings/WallpaperListEditingControl.h"
#include "options/IScreensaverControlOptions.h"
#include "options/IWallpaperListModel.h"
#include "settings/FakeDisplayModes.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using User32::CpuLoadAndInterruptingOptionsControl;
using User32::DisplayModeSelectionControl;
using User32::WallpaperListEditingControl;

constexpr int placeholderId = 1064;

class FakeControlOptions : public IScreensaverControlOptions {
public:
    int32_t maxCpuLoad() const override { return load; }
    void setMaxCpuLoad(int32_t percent) override { load = percent; }
    int32_t interruptMode() const override { return mode; }
    void setInterruptMode(int32_t value) override { mode = value; }

    int32_t load = 40;
    int32_t mode = interruptOnAnyKey;
};

class FakeWallpapers : public IWallpaperListModel {
public:
    int32_t orderMode() const override { return order; }
    void setOrderMode(int32_t mode) override { order = mode; }
    const std::vector<std::string>& files() const override { return paths; }
    void setFiles(const std::vector<std::string>& files) override { paths = files; }
    std::string nextFile() override { return {}; }

    int32_t order = randomOrder;
    std::vector<std::string> paths{"C:\\Pictures\\one.jpg", "D:\\two.bmp",
                                   "C:\\Pictures\\three.jpg"};
};

class CompositeControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (host.get() == nullptr) {
            GTEST_SKIP() << "no display";
        }
        host.addPlaceholder(placeholderId, 10, 10, 400, 220);
    }

    static bool checked(HWND dialog, int id) {
        return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    }
    static void click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

    ControlTestHost host;
};

TEST_F(CompositeControlTest, TheCpuControlShowsTheOptionsAndApplyWritesSliderAndMode) {
    FakeControlOptions options;
    const CpuLoadAndInterruptingOptionsControl control(host.get(), placeholderId, options);
    HWND dialog = control.window();
    HWND slider = GetDlgItem(dialog, 1019);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(SendMessageW(slider, TBM_GETLINESIZE, 0, 0), 5);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPAGESIZE, 0, 0), 20);
    EXPECT_FALSE(checked(dialog, 1020));
    EXPECT_TRUE(checked(dialog, 1021));

    SendMessageW(slider, TBM_SETPOS, TRUE, 65);
    click(dialog, 1022);
    EXPECT_TRUE(control.validate());
    control.apply();
    EXPECT_EQ(options.load, 65);
    EXPECT_EQ(options.mode, IScreensaverControlOptions::interruptOnEscapeOnly);
    click(dialog, 1020);
    control.apply();
    EXPECT_EQ(options.mode, IScreensaverControlOptions::interruptOnAnyInput);
}

TEST_F(CompositeControlTest, TheChildDialogGoesWithTheObjectOrFirstWithThePage) {
    FakeControlOptions options;
    HWND dialog = nullptr;
    {
        const CpuLoadAndInterruptingOptionsControl control(host.get(), placeholderId, options);
        dialog = control.window();
        EXPECT_EQ(GetParent(dialog), host.get());
        EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_VISIBLE);
    }
    EXPECT_FALSE(IsWindow(dialog));
    const CpuLoadAndInterruptingOptionsControl control(host.get(), placeholderId, options);
    host.destroy();
    EXPECT_EQ(control.window(), nullptr);
}

TEST_F(CompositeControlTest, TheModeListIsEnabledOnlyWhileListedModeIsChecked) {
    FakeModeModel modes;
    const DisplayModeSelectionControl control(host.get(), placeholderId, modes);
    HWND dialog = control.window();
    HWND list = GetDlgItem(dialog, 103);
    EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_TRUE(checked(dialog, 101));
    EXPECT_FALSE(IsWindowEnabled(list));
    click(dialog, 102);
    EXPECT_TRUE(IsWindowEnabled(list));
    click(dialog, 101);
    EXPECT_FALSE(IsWindowEnabled(list));
}

TEST_F(CompositeControlTest, TheModelsModeIsSelectedAndApplyTakesTheListsSelection) {
    FakeModeModel modes;
    modes.useCurrent = false;
    modes.selected = &modes.small;
    const DisplayModeSelectionControl control(host.get(), placeholderId, modes);
    HWND dialog = control.window();
    HWND list = GetDlgItem(dialog, 103);
    EXPECT_TRUE(checked(dialog, 102));
    EXPECT_TRUE(IsWindowEnabled(list));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    SendMessageW(list, CB_SETCURSEL, 1, 0);
    EXPECT_TRUE(control.validate());
    control.apply();
    EXPECT_FALSE(modes.useCurrent);
    EXPECT_EQ(modes.selected, &modes.large);
}

class WallpaperListTest : public CompositeControlTest {
protected:
    // What the drag list tells its parent as the user drags over the entry `index`.
    LRESULT dragNotification(const WallpaperListEditingControl& control, UINT notification,
                             int index) const {
        HWND list = GetDlgItem(control.window(), 100);
        RECT entry{};
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&entry));
        DRAGLISTINFO drag{notification, list, {entry.left + 5, entry.top + 2}};
        ClientToScreen(list, &drag.ptCursor);
        return SendMessageW(control.window(), RegisterWindowMessageW(L"commctrl_DragListMsg"), 0,
                            reinterpret_cast<LPARAM>(&drag));
    }
    static std::vector<std::string> texts(const WallpaperListEditingControl& control) {
        HWND list = GetDlgItem(control.window(), 100);
        std::vector<std::string> result;
        const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
        for (LRESULT index = 0; index < count; ++index) {
            char text[64] = {};
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(text));
            result.emplace_back(text);
        }
        return result;
    }

    FakeWallpapers wallpapers;
};

TEST_F(WallpaperListTest, DraggingTheLastEntryOntoTheFirstKeepsEachPathWithItsEntry) {
    const WallpaperListEditingControl control(host.get(), placeholderId, wallpapers);
    EXPECT_THAT(texts(control), ElementsAre("one.jpg", "two.bmp", "three.jpg"));
    EXPECT_TRUE(checked(control.window(), 104));
    EXPECT_TRUE(dragNotification(control, DL_BEGINDRAG, 2));
    dragNotification(control, DL_DRAGGING, 0);
    dragNotification(control, DL_DROPPED, 0);
    EXPECT_THAT(texts(control), ElementsAre("three.jpg", "one.jpg", "two.bmp"));
    click(control.window(), 103);
    control.apply();
    EXPECT_THAT(wallpapers.paths,
                ElementsAre("C:\\Pictures\\three.jpg", "C:\\Pictures\\one.jpg", "D:\\two.bmp"));
    EXPECT_EQ(wallpapers.order, IWallpaperListModel::fixedOrder);
}

TEST_F(WallpaperListTest, ADropOnTheDraggedEntryOrACancelledDragMovesNothing) {
    const WallpaperListEditingControl control(host.get(), placeholderId, wallpapers);
    dragNotification(control, DL_BEGINDRAG, 1);
    dragNotification(control, DL_DROPPED, 1);
    dragNotification(control, DL_BEGINDRAG, 0);
    dragNotification(control, DL_CANCELDRAG, 2);
    // A drop whose drag was cancelled has nothing to move.
    dragNotification(control, DL_DROPPED, 2);
    EXPECT_THAT(texts(control), ElementsAre("one.jpg", "two.bmp", "three.jpg"));
    control.apply();
    EXPECT_THAT(wallpapers.paths,
                ElementsAre("C:\\Pictures\\one.jpg", "D:\\two.bmp", "C:\\Pictures\\three.jpg"));
}

TEST_F(WallpaperListTest, RemoveTakesTheSelectedEntryAndAnEmptyListRefusesADrag) {
    wallpapers.paths = {"C:\\one.jpg"};
    const WallpaperListEditingControl control(host.get(), placeholderId, wallpapers);
    click(control.window(), 102); // nothing selected
    EXPECT_THAT(texts(control), ElementsAre("one.jpg"));
    SendMessageW(GetDlgItem(control.window(), 100), LB_SETCURSEL, 0, 0);
    click(control.window(), 102);
    EXPECT_TRUE(texts(control).empty());
    EXPECT_FALSE(dragNotification(control, DL_BEGINDRAG, 0));
    control.apply();
    EXPECT_TRUE(wallpapers.paths.empty());
}

} // namespace
