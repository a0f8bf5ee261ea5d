#pragma once

#include "errors/BasicError.h"

#include <string>

namespace Sound {

// A recording the Ogg Vorbis decoder cannot read to its end.
class DamagedRecordingError : public BasicError {
public:
    // what: what went wrong; code: the decoder's result code.
    DamagedRecordingError(const std::string& what, long code);
};

} // namespace Sound
