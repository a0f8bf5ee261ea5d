#pragma once

#include "persistence/ClassId.h"
#include "persistence/IStreamableObject.h"
#include "persistence/PersistenceError.h"
#include "persistence/ReadObjectResult.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace Persistence {

// Reads back what an OutputStream wrote, creating each object through the factory its class
// registered (see ClassRegistry). Damaged input ends in one of the errors below, never in a
// read beyond the stream or an allocation larger than what the stream holds.
class InputStream {
public:
    class Error : public Persistence::Error {
    public:
        using Persistence::Error::Error;
    };
    class BadObjectInStream : public Error {
    public:
        explicit BadObjectInStream(std::streamoff markerPosition);
    };
    class UnknownClassInStream : public Error {
    public:
        explicit UnknownClassInStream(const ClassId& id);
    };
    class CouldNotRead : public Error {
    public:
        CouldNotRead();
    };
    class MappedObjectNotFound : public Error {
    public:
        MappedObjectNotFound();
    };
    class MappedClassNotFound : public Error {
    public:
        explicit MappedClassNotFound(uint32_t classIndex);
    };

    // Objects nested deeper than this inside other objects' bodies are taken for damage, so
    // that a crafted stream cannot exhaust the call stack.
    static constexpr int maxNestingDepth = 256;

    explicit InputStream(std::istream& bytes);

    // The next object: a new one, owned by the result, or a back-reference to one read earlier
    // (see ReadObjectResult). Later entries may refer back to any object read so far, so
    // whoever takes an object, a factory included, keeps it while reading goes on.
    ReadObjectResult readObject();

    uint8_t readByte();
    int32_t readInt32();
    uint32_t readUInt32();
    // A uint32 byte count, then the bytes.
    std::string readString();
    void readBytes(void* data, std::size_t count);

private:
    void expectMarker();
    ReadObjectResult readBackReference();
    ClassId readClassId(uint8_t flags);
    std::unique_ptr<IStreamableObject> readBody(const ClassId& id);
    void requireRemaining(uint64_t count);
    std::streamoff position();
    void seekTo(std::streamoff target);

    std::istream& bytes_;
    // Not owned: each object belongs to whoever received it from readObject.
    std::vector<IStreamableObject*> objects_;
    std::vector<ClassId> classes_;
    int depth_ = 0;
};

} // namespace Persistence
