#pragma once

#include "resources/EmbeddedResources.h"

#include <cstddef>
#include <cstdint>

namespace Sound {

// Reads a resource built into the program as if it were a file, for the Ogg Vorbis decoder.
// The bytes are not owned: resources stay in place for the life of the process.
class ResourceStream {
public:
    // Throws Resources::ResourceNotFoundError when there is no such recording.
    explicit ResourceStream(int32_t resourceId);
    explicit ResourceStream(Resources::Bytes bytes);

    // Copies up to size x count bytes and returns the number of whole elements copied.
    std::size_t read(void* destination, std::size_t size, std::size_t count);
    // origin 0: from the start, 1: from the current position, 2: from the end. A target before
    // the start, or any other origin, fails with -1 and moves nothing; a target past the end
    // lands at the end.
    int seek(int64_t offset, int origin);
    int close() { return 0; }
    // The position, as the 32-bit value the decoder expects.
    long tell() const;

private:
    const unsigned char* data_;
    int64_t position_ = 0;
    int64_t size_;
};

// The four callbacks the decoder is given, the stream being their data source.
std::size_t readResourceStream(void* destination, std::size_t size, std::size_t count,
                               void* stream);
int seekResourceStream(void* stream, int64_t offset, int origin);
int closeResourceStream(void* stream);
long tellResourceStream(void* stream);

} // namespace Sound
