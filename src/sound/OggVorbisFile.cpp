#include "sound/OggVorbisFile.h"

#include "sound/DamagedRecordingError.h"
#include "sound/ResourceStream.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <algorithm>
#include <vorbis/vorbisfile.h>

namespace Sound {

namespace {

constexpr int readChunk = 4096;
constexpr int littleEndian = 0;
constexpr int bytesPerSample = 1;
constexpr int unsignedSamples = 0;
constexpr uint8_t silence = 128;
// Longer than any recording the program carries by far; a length beyond it comes from a
// damaged stream and would only make a huge buffer.
constexpr int64_t longestSeconds = 600;

} // namespace

OggVorbisFile::OggVorbisFile(ResourceStream& stream) : file_(std::make_unique<OggVorbis_File>()) {
    const ov_callbacks callbacks{readResourceStream, seekResourceStream, closeResourceStream,
                                 tellResourceStream};
    const int result = ov_open_callbacks(&stream, file_.get(), nullptr, 0, callbacks);
    if (result < 0) {
        // A failed open has cleared the decoder's state already.
        file_.reset();
        throw DamagedRecordingError("the decoder cannot open it", result);
    }
}

OggVorbisFile::~OggVorbisFile() {
    if (file_) {
        ov_clear(file_.get());
    }
}

// A stream that ends before its stated length leaves the rest silent; one that goes on is cut
// at the stated length, so nothing is written beyond the buffer.
Pcm OggVorbisFile::decodeToPcm8() {
    const ogg_int64_t total = ov_pcm_total(file_.get(), -1);
    const vorbis_info* info = ov_info(file_.get(), -1);
    if (total < 0) {
        throw DamagedRecordingError("its length is unknown", static_cast<long>(total));
    }
    if (info == nullptr || info->channels < 1 || info->channels > 2 || info->rate <= 0 ||
        total / info->rate > longestSeconds) {
        throw DamagedRecordingError("its format is not one of a recording", OV_EBADHEADER);
    }
    Pcm pcm;
    pcm.channels = info->channels;
    pcm.rate = static_cast<int32_t>(info->rate);
    const auto frames = static_cast<uint32_t>(total);
    pcm.samples.assign(static_cast<std::size_t>(frames) * pcm.blockAlign(), silence);
    std::size_t offset = 0;
    while (offset < pcm.samples.size()) {
        const int wanted =
            static_cast<int>(std::min<std::size_t>(readChunk, pcm.samples.size() - offset));
        int section = 0;
        const long read = ov_read(file_.get(), reinterpret_cast<char*>(pcm.samples.data() + offset),
                                  wanted, littleEndian, bytesPerSample, unsignedSamples, &section);
        if (read == 0) {
            break;
        }
        if (read < 0) {
            throw DamagedRecordingError("its data is damaged", read);
        }
        offset += static_cast<std::size_t>(read);
    }
    return pcm;
}

} // namespace Sound
