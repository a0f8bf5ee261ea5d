#include "sound/DamagedRecordingError.h"

#include <vorbis/codec.h>

namespace Sound {

namespace {

const char* meaningOf(long code) {
    switch (code) {
    case OV_HOLE:
        return "data missing in the middle";
    case OV_EREAD:
        return "read failure";
    case OV_EFAULT:
        return "decoder fault";
    case OV_EINVAL:
        return "invalid stream";
    case OV_ENOTVORBIS:
        return "not Ogg Vorbis data";
    case OV_EBADHEADER:
        return "damaged header";
    case OV_EVERSION:
        return "unknown Vorbis version";
    case OV_ENOTAUDIO:
        return "not audio";
    case OV_EBADPACKET:
        return "damaged packet";
    case OV_EBADLINK:
        return "damaged link";
    case OV_ENOSEEK:
        return "stream not seekable";
    default:
        return "decoder error";
    }
}

} // namespace

DamagedRecordingError::DamagedRecordingError(const std::string& what, long code)
    : BasicError(what + " (" + meaningOf(code) + ", " + std::to_string(code) + ")") {}

} // namespace Sound
