#pragma once

#include "persistence/IStreamableObject.h"
#include "persistence/PersistenceError.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>

namespace Persistence {

// Writes objects and the primitive values of their bodies to a seekable byte stream, each
// object and each class in full only the first time it occurs. Integers are little-endian.
class OutputStream {
public:
    class Error : public Persistence::Error {
    public:
        using Persistence::Error::Error;
    };
    class CouldNotWrite : public Error {
    public:
        CouldNotWrite();
    };

    explicit OutputStream(std::ostream& bytes);

    // The object in full the first time, a reference to it afterwards.
    void writeObject(const IStreamableObject& object);
    void writeByte(uint8_t value);
    void writeInt32(int32_t value);
    void writeUInt32(uint32_t value);
    // A uint32 byte count, then the bytes, no terminator.
    void writeString(const std::string& value);
    void writeBytes(const void* data, std::size_t count);

private:
    void writeClass(const ClassId& id);
    // The body with its length in front.
    void writeBody(const IStreamableObject& object);
    std::streamoff position();
    void seekTo(std::streamoff target);

    std::ostream& bytes_;
    // Keyed by address: an object must stay alive while this stream is in use, or a new object
    // at the same address would be written as a reference to it.
    std::map<const IStreamableObject*, uint32_t> objectIndices_;
    std::map<ClassId, uint32_t> classIndices_;
};

} // namespace Persistence
