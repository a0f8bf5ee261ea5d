#pragma once

#include "backends/user32/settings/PropertyPage.h"

namespace User32 {

// The product's picture, name and version. It changes no option.
class AboutPage : public PropertyPage {
public:
    static constexpr int templateId = 151;
    static constexpr int pictureId = 1017;
    static constexpr int titleId = 1018;
    static constexpr int logoResource = 152;

    explicit AboutPage(HWND window);
};

} // namespace User32
