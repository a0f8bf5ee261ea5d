#pragma once

#include "sound/Pcm.h"

#include <memory>

struct OggVorbis_File;

namespace Sound {

class ResourceStream;

// An Ogg Vorbis recording opened through the decoder's callbacks over a resource stream.
// Throws DamagedRecordingError when the stream is not one it can read.
class OggVorbisFile {
public:
    // The stream must outlive this object.
    explicit OggVorbisFile(ResourceStream& stream);
    ~OggVorbisFile();

    OggVorbisFile(const OggVorbisFile&) = delete;
    OggVorbisFile& operator=(const OggVorbisFile&) = delete;

    // The whole recording as unsigned 8-bit samples at its own rate and channel count.
    Pcm decodeToPcm8();

private:
    std::unique_ptr<OggVorbis_File> file_;
};

} // namespace Sound
