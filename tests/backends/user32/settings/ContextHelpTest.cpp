#include "backends/user32/settings/ContextHelp.h"

#include "settings/DropsPageModel.h"

#include <gtest/gtest.h>

namespace {

HELPINFO requestFor(HWND control, int id) {
    HELPINFO request{};
    request.cbSize = sizeof(request);
    request.iContextType = HELPINFO_WINDOW;
    request.iCtrlId = id;
    request.hItemHandle = control;
    return request;
}

// A control finds its help under the part of the nearest window above it that names one, as a
// control of an embedded dialog does inside a page.
TEST(ContextHelpTest, AControlsHelpIsFoundUnderThePartOfTheWindowsAboveIt) {
    HWND page = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
    HWND inner = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 200, 100, page, nullptr,
                                 nullptr, nullptr);
    HWND slider =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 20, inner,
                        reinterpret_cast<HMENU>(DropsPageModel::densityId), nullptr, nullptr);
    EXPECT_FALSE(ContextHelp::show(requestFor(slider, DropsPageModel::densityId)))
        << "a control of no part has no help";
    ContextHelp::belongsTo(page, "DropsOptionsPage");
    EXPECT_TRUE(ContextHelp::show(requestFor(slider, DropsPageModel::densityId)));
    EXPECT_FALSE(ContextHelp::show(requestFor(slider, 4242))) << "an id without help";
    ContextHelp::belongsTo(inner, "SoundOptionsPage");
    EXPECT_FALSE(ContextHelp::show(requestFor(slider, DropsPageModel::densityId)))
        << "the nearest part is the one that counts";
    DestroyWindow(page);
}

} // namespace
