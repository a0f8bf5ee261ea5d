#pragma once

#include "persistence/IStreamableObject.h"
#include "persistence/PersistenceError.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace Persistence {

// Reads back what an OutputStream wrote, creating each object through the factory its class
// registered (see ClassRegistry).
class InputStream {
public:
    class Error : public Persistence::Error {
    public:
        using Persistence::Error::Error;
    };
    // (The error classes of reading: BadObjectInStream, UnknownClassInStream, CouldNotRead,
    // MappedObjectNotFound, MappedClassNotFound.)
    class CouldNotRead;

    explicit InputStream(std::istream& bytes);

    uint8_t readByte();
    int32_t readInt32();
    uint32_t readUInt32();
    std::string readString();
    void readBytes(void* data, std::size_t count);

private:
    std::istream& bytes_;
};

} // namespace Persistence
