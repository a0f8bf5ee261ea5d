#include "images/BmpImage.h"

#include "backends/win32/WideText.h"

#include <cstring>
#include <fstream>
#include <windows.h>

// Pictures are read by the system's own loader, as a DIB section, and converted to 24 bits by
// GDI, so that every depth and compression Windows knows reads as it does in other programs.
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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = description.bmWidth;
    info.bmiHeader.biHeight = -description.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, handle, 0, static_cast<UINT>(description.bmHeight),
                               pixels.row(0), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != description.bmHeight) {
        refuse("the system could not convert the picture");
    }
    return pixels;
}

bool canOpen(const std::filesystem::path& file) {
    return std::ifstream(file, std::ios::binary).is_open();
}

} // namespace

std::unique_ptr<Image> Image::fromFile(const std::filesystem::path& file) {
    if (!canOpen(file)) {
        throw FileNotFoundError();
    }
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
// stand, after checks that they lie inside the data, so that a damaged header reads no further.
std::unique_ptr<Image> Image::fromMemory(std::span<const unsigned char> data) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    if (data.size() < sizeof file + sizeof header || data[0] != 'B' || data[1] != 'M') {
        refuse("the data is no Windows bitmap");
    }
    std::memcpy(&file, data.data(), sizeof file);
    std::memcpy(&header, data.data() + sizeof file, sizeof header);
    if (header.biSize < sizeof header || file.bfOffBits >= data.size() ||
        sizeof file + header.biSize > data.size()) {
        refuse("the file ends inside its header");
    }
    const double area = static_cast<double>(header.biWidth) * std::abs(header.biHeight);
    if (header.biWidth <= 0 || header.biHeight == 0 ||
        area * 4 > static_cast<double>(Graphics::Bitmap::largestByteCount())) {
        refuse("a picture of " + std::to_string(header.biWidth) + " x " +
               std::to_string(header.biHeight) + " pixels cannot be read");
    }
    const HDC screen = GetDC(nullptr);
    const BitmapHandle bitmap(CreateDIBitmap(
        screen, &header, CBM_INIT, data.data() + file.bfOffBits,
        reinterpret_cast<const BITMAPINFO*>(data.data() + sizeof file), DIB_RGB_COLORS));
    ReleaseDC(nullptr, screen);
    if (bitmap.get() == nullptr) {
        refuse("the system could not read the picture");
    }
    return std::make_unique<Image>(pixelsOf(bitmap.get()));
}

} // namespace BMP
