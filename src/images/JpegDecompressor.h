#pragma once

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <span>
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace JPEG {

// One libjpeg decoder. The library reports a failure by calling its error exit, which by
// default ends the process; ours jumps back into the call that failed, and that call throws
// Graphics::Error with "JPEG library error: " and the library's message. Every library call
// goes through guarded(), so no jump ever crosses a frame of ours that owns anything.
//
// A file that ends early is only a warning to the library, which would show the missing part
// grey; we treat it as the error it is. Other warnings (stray bytes between markers and the
// like) leave a usable picture and are ignored, silently: a screen saver has no console.
class Decompressor {
public:
    Decompressor();
    ~Decompressor();
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // The source must outlive the decoder.
    void readFrom(std::FILE* file);
    void readFrom(std::span<const unsigned char> data);

    // Reads up to the first frame; a stream with tables only is an error.
    void readHeader();
    int32_t imageWidth() const { return static_cast<int32_t>(info_.image_width); }
    int32_t imageHeight() const { return static_cast<int32_t>(info_.image_height); }

    // Starts decoding to 3 bytes per pixel in the order red, green, blue.
    void startRgbOutput();
    // Decodes the next row into row, which holds 3 x imageWidth() bytes.
    void readScanline(unsigned char* row);
    void finish();

    // Public only for the library's callbacks. Each begins with the library's structure, so
    // that the pointer the library hands back is one to ours.
    struct ErrorManager {
        jpeg_error_mgr manager;
        std::jmp_buf resume;
        char message[JMSG_LENGTH_MAX];
    };
    struct MemorySource {
        jpeg_source_mgr manager;
        bool empty;
    };

private:
    template <typename Call> void guarded(Call call);

    ErrorManager errors_{};
    MemorySource memory_{};
    jpeg_decompress_struct info_{};
};

} // namespace JPEG
