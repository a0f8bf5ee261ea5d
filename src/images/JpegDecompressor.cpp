#include "images/JpegDecompressor.h"

#include "images/GraphicsError.h"

#include <cstdlib>
#include <jerror.h>
#include <string>

static_assert(JPEG_LIB_VERSION == 62, "the decoder is written for the libjpeg 6b interface");

namespace JPEG {

namespace {

constexpr int libraryVersion = 62;

[[noreturn]] void jumpBackToCaller(j_common_ptr info) {
    auto* errors = reinterpret_cast<Decompressor::ErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->resume, 1);
}

[[noreturn]] void fail(j_common_ptr info, int messageCode) {
    info->err->msg_code = messageCode;
    info->err->error_exit(info);
    // error_exit is jumpBackToCaller, which never returns.
    std::abort();
}

void treatPrematureEndAsError(j_common_ptr info, int level) {
    const bool warning = level < 0;
    if (warning && info->err->msg_code == JWRN_JPEG_EOF) {
        info->err->error_exit(info);
    }
    if (warning) {
        ++info->err->num_warnings;
    }
}

j_common_ptr common(j_decompress_ptr info) {
    return reinterpret_cast<j_common_ptr>(info);
}

void startMemorySource(j_decompress_ptr) {}

void endMemorySource(j_decompress_ptr) {}

// Called only when every byte has been handed out. Like the library's file source, it then
// supplies an end-of-image marker after warning; the warning makes it an error (see
// treatPrematureEndAsError).
boolean refillMemorySource(j_decompress_ptr info) {
    auto* source = reinterpret_cast<Decompressor::MemorySource*>(info->src);
    if (source->empty) {
        fail(common(info), JERR_INPUT_EMPTY);
    }
    static const JOCTET endOfImage[] = {0xFF, JPEG_EOI};
    info->err->msg_code = JWRN_JPEG_EOF;
    info->err->emit_message(common(info), -1);
    source->manager.next_input_byte = endOfImage;
    source->manager.bytes_in_buffer = sizeof endOfImage;
    return TRUE;
}

void skipMemorySource(j_decompress_ptr info, long byteCount) {
    jpeg_source_mgr* source = info->src;
    if (byteCount <= 0) {
        return;
    }
    auto remaining = static_cast<std::size_t>(byteCount);
    while (remaining > source->bytes_in_buffer) {
        remaining -= source->bytes_in_buffer;
        source->fill_input_buffer(info);
    }
    source->next_input_byte += remaining;
    source->bytes_in_buffer -= remaining;
}

} // namespace

template <typename Call> void Decompressor::guarded(Call call) {
    if (setjmp(errors_.resume) == 0) {
        call();
        return;
    }
    throw Graphics::Error(std::string("JPEG library error: ") + errors_.message);
}

Decompressor::Decompressor() {
    info_.err = jpeg_std_error(&errors_.manager);
    errors_.manager.error_exit = jumpBackToCaller;
    errors_.manager.emit_message = treatPrematureEndAsError;
    try {
        guarded([this] { jpeg_CreateDecompress(&info_, libraryVersion, sizeof info_); });
    } catch (...) {
        jpeg_destroy(common(&info_));
        throw;
    }
}

Decompressor::~Decompressor() {
    jpeg_destroy(common(&info_));
}

void Decompressor::readFrom(std::FILE* file) {
    guarded([this, file] { jpeg_stdio_src(&info_, file); });
}

void Decompressor::readFrom(std::span<const unsigned char> data) {
    memory_.manager.init_source = startMemorySource;
    memory_.manager.fill_input_buffer = refillMemorySource;
    memory_.manager.skip_input_data = skipMemorySource;
    memory_.manager.resync_to_restart = jpeg_resync_to_restart;
    memory_.manager.term_source = endMemorySource;
    memory_.manager.next_input_byte = data.data();
    memory_.manager.bytes_in_buffer = data.size();
    memory_.empty = data.empty();
    info_.src = &memory_.manager;
}

void Decompressor::readHeader() {
    guarded([this] { jpeg_read_header(&info_, TRUE); });
}

void Decompressor::startRgbOutput() {
    info_.out_color_space = JCS_RGB;
    guarded([this] { jpeg_start_decompress(&info_); });
    // The library honours the request or fails; a row of another size would overrun ours.
    if (info_.output_components != 3 || info_.output_width != info_.image_width) {
        throw Graphics::Error("JPEG library error: unexpected output format");
    }
}

void Decompressor::readScanline(unsigned char* row) {
    JDIMENSION rowsRead = 0;
    guarded([this, row, &rowsRead] {
        JSAMPROW rows[] = {row};
        rowsRead = jpeg_read_scanlines(&info_, rows, 1);
    });
    // Only a suspending source can deliver nothing, and ours never suspend.
    if (rowsRead != 1) {
        throw Graphics::Error("JPEG library error: no image data delivered");
    }
}

void Decompressor::finish() {
    guarded([this] { jpeg_finish_decompress(&info_); });
}

} // namespace JPEG
