#pragma once

#include "backends/user32/settings/ControlWindow.h"
#include "images/Bitmap.h"

#include <cstdint>
#include <optional>

namespace User32 {

// A JPEG picture from the program's data resources, scaled down to fit the control when it is
// larger, keeping its proportions, and centred.
class StaticPictureControl : public ControlWindow {
public:
    static constexpr const wchar_t* windowClass = L"Static Picture Control";

    // Throws ResourceNotFoundError when there is no such resource and Graphics::Error when it is
    // no JPEG picture.
    static StaticPictureControl& createOver(HWND dialog, int placeholderId, int32_t resourceId);

    int pictureWidth() const { return picture_.width(); }
    int pictureHeight() const { return picture_.height(); }

protected:
    void paint(HDC dc) override;

private:
    explicit StaticPictureControl(int32_t resourceId);

    RECT placement() const;

    Graphics::Bitmap picture_;
};

} // namespace User32
