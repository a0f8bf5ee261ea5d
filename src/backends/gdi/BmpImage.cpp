#include "images/BmpImage.h"

#include "backends/gdi/DibInfo.h"
#include "backends/win32/WideText.h"
#include "images/BmpLayout.h"
#include "images/FileBytes.h"

#include <cstring>
#include <windows.h>

// Pictures are read by the system's own loader, as a DIB section, and converted to 24 bits by
// GDI, so that every depth and compression Windows knows reads as it does in other programs.
// The loader follows the headers wherever they point, so they are checked against the file
// first: a damaged file must give an error, not a read past its end.
namespace BMP {

namespace {

class BitmapHandle {
public:
    explicit BitmapHandle(HANDLE handle) : handle_(static_cast<HBITMAP>(handle)) {}
    ~BitmapHandle() {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
    }
    BitmapHandle(const BitmapHandle&) = delete;
    BitmapHandle& operator=(const BitmapHandle&) = delete;
    HBITMAP get() const { return handle_; }

private:
    HBITMAP handle_;
};

[[noreturn]] void refuse(const std::string& reason) {
    throw Graphics::Error("BMP image error: " + reason);
}

Graphics::Bitmap pixelsOf(HBITMAP handle) {
    BITMAP description{};
    if (GetObjectW(handle, sizeof description, &description) == 0) {
        refuse("the system could not describe the picture");
    }
    Graphics::Bitmap pixels(description.bmWidth, description.bmHeight);
    Gdi::DibInfo info(Pixels::PixelFormat::rgb888(), description.bmWidth, description.bmHeight);
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, handle, 0, static_cast<UINT>(description.bmHeight),
                               pixels.row(0), info.info(), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != description.bmHeight) {
        refuse("the system could not convert the picture");
    }
    return pixels;
}

void refuseDamagedLayout(std::span<const unsigned char> file) {
    const std::string fault = partOutsideFileFault(file);
    if (!fault.empty()) {
        refuse(fault);
    }
}

} // namespace

std::unique_ptr<Image> Image::fromFile(const std::filesystem::path& file) {
    const std::optional<std::vector<unsigned char>> bytes = Graphics::fileBytes(file);
    if (!bytes) {
        throw FileNotFoundError();
    }
    refuseDamagedLayout(*bytes);
    const BitmapHandle bitmap(LoadImageW(nullptr, file.wstring().c_str(), IMAGE_BITMAP, 0, 0,
                                         LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap.get() == nullptr) {
        refuse("the file is not a picture the system can read");
    }
    return std::make_unique<Image>(pixelsOf(bitmap.get()));
}

std::unique_ptr<Image> Image::fromResource(std::string_view name) {
    const BitmapHandle bitmap(LoadImageW(GetModuleHandleW(nullptr), Win32::wide(name).c_str(),
                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap.get() == nullptr) {
        throw ResourceNotFoundError();
    }
    return std::make_unique<Image>(pixelsOf(bitmap.get()));
}

// A file in memory has no loader of its own: its header and pixels go to the system as they
// stand.
std::unique_ptr<Image> Image::fromMemory(std::span<const unsigned char> data) {
    refuseDamagedLayout(data);
    BITMAPFILEHEADER file{};
    std::memcpy(&file, data.data(), sizeof file);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(data.data() + sizeof file);
    const HDC screen = GetDC(nullptr);
    const BitmapHandle bitmap(CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT,
                                             data.data() + file.bfOffBits, info, DIB_RGB_COLORS));
    ReleaseDC(nullptr, screen);
    if (bitmap.get() == nullptr) {
        refuse("the system could not read the picture");
    }
    return std::make_unique<Image>(pixelsOf(bitmap.get()));
}

} // namespace BMP
