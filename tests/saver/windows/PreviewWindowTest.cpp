#include "backends/user32/TestWindow.h"
#include "options/Configuration.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "saver/windows/PreviewWindowImpl.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

// The preview in a window of this process: Wine draws no child window of another process's
// window, so the check of the whole program cannot look at it, and these tests do. They need an
// X server (the Windows check runs them on a virtual one) and skip without.
namespace {

constexpr int hostWidth = 160;
constexpr int hostHeight = 120;

// What the window shows, read back from its device context.
std::vector<uint8_t> pixelsOf(HWND window, int width, int height) {
    std::vector<uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    const HDC context = GetDC(window);
    const HDC memory = CreateCompatibleDC(context);
    const HBITMAP bitmap = CreateCompatibleBitmap(context, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, context, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, context);
    return pixels;
}

// Each test's loop runs until a timer of the thread acts on the windows.
class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (host_.get() == nullptr) {
            GTEST_SKIP() << "no display to make a window on";
        }
        Configuration::useDefaults();
        Configuration::options()->setDensityRampUp(false);
        Configuration::options()->setDensity(50);
    }

    TestWindow host_{WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, hostWidth, hostHeight};
};

HWND previewOf(HWND host) {
    return GetWindow(host, GW_CHILD);
}

HWND testHost = nullptr;
std::vector<uint8_t> seenInPreview;

void CALLBACK closePreview(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(previewOf(testHost), WM_CLOSE, 0, 0);
}

void CALLBACK lookThenClose(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    seenInPreview = pixelsOf(previewOf(testHost), hostWidth, hostHeight);
    SetTimer(nullptr, 0, 300, closePreview);
}

void CALLBACK destroyHost(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    DestroyWindow(testHost);
}

} // namespace

TEST_F(PreviewWindowTest, RainRunsInAChildWindowOverTheWholeClientArea) {
    testHost = host_.get();
    bool done = false;
    PreviewWindowImpl preview(host_.get(), done, *Configuration::options());
    const HWND child = previewOf(host_.get());
    ASSERT_NE(child, nullptr);
    RECT area{};
    GetClientRect(child, &area);
    EXPECT_EQ(area.right, hostWidth);
    EXPECT_EQ(area.bottom, hostHeight);
    SetTimer(nullptr, 0, 700, lookThenClose);
    preview.runMessageLoop();
    EXPECT_TRUE(done) << "closing the window ends the preview";
    const std::vector<uint8_t> later = pixelsOf(child, hostWidth, hostHeight);
    EXPECT_NE(seenInPreview, later) << "the drops moved between the two pictures";
}

TEST_F(PreviewWindowTest, ThePreviewEndsWithItsParent) {
    testHost = host_.get();
    bool done = false;
    PreviewWindowImpl preview(host_.get(), done, *Configuration::options());
    SetTimer(nullptr, 0, 300, destroyHost);
    preview.runMessageLoop();
    EXPECT_FALSE(done) << "the window went; nobody asked it to close";
    EXPECT_EQ(previewOf(host_.get()), nullptr);
}
