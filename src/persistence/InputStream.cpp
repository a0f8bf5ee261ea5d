#include "persistence/InputStream.h"

#include "persistence/ClassRegistry.h"

#include <array>
#include <utility>

namespace Persistence {

namespace {

constexpr std::array<char, 4> objectMarker{'P', 'O', 'B', 'J'};
constexpr uint8_t referenceFlag = 1;
constexpr uint8_t classIndexFlag = 2;

// Counts how deep readObject is nested inside factories, also when a factory throws.
class NestingLevel {
public:
    explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
    ~NestingLevel() { --depth_; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

private:
    int& depth_;
};

} // namespace

InputStream::InputStream(std::istream& bytes) : bytes_(bytes) {}

ReadObjectResult InputStream::readObject() {
    expectMarker();
    const uint8_t flags = readByte();
    if ((flags & referenceFlag) != 0) {
        return readBackReference();
    }
    const ClassId id = readClassId(flags);
    auto object = readBody(id);
    objects_.push_back(object.get());
    return ReadObjectResult::newObject(std::move(object));
}

void InputStream::expectMarker() {
    const std::streamoff markerPosition = position();
    // A value that ends inside the marker has no object there: that is a bad object at this
    // position, not a failed read.
    std::array<char, 4> marker{};
    bytes_.read(marker.data(), static_cast<std::streamsize>(marker.size()));
    if (bytes_.gcount() != static_cast<std::streamsize>(marker.size()) || marker != objectMarker) {
        throw BadObjectInStream(markerPosition);
    }
    if (depth_ >= maxNestingDepth) {
        throw BadObjectInStream(markerPosition);
    }
}

ReadObjectResult InputStream::readBackReference() {
    const uint32_t index = readUInt32();
    if (index >= objects_.size()) {
        throw MappedObjectNotFound();
    }
    return ReadObjectResult::backReference(*objects_[index]);
}

ClassId InputStream::readClassId(uint8_t flags) {
    if ((flags & classIndexFlag) != 0) {
        const uint32_t index = readUInt32();
        if (index >= classes_.size()) {
            throw MappedClassNotFound(index);
        }
        return classes_[index];
    }
    ClassId id{};
    readBytes(id.data(), id.size());
    classes_.push_back(id);
    return id;
}

std::unique_ptr<IStreamableObject> InputStream::readBody(const ClassId& id) {
    const Factory factory = ClassRegistry::instance().find(id);
    if (factory == nullptr) {
        throw UnknownClassInStream(id);
    }
    const uint32_t bodyLength = readUInt32();
    // A length beyond the end is damage; a factory trusting it could only fail later, or
    // worse, succeed on the bytes of whatever follows.
    requireRemaining(bodyLength);
    const std::streamoff bodyStart = position();
    const std::size_t objectsBefore = objects_.size();
    std::unique_ptr<IStreamableObject> object;
    try {
        const NestingLevel level(depth_);
        object = factory(*this);
    } catch (...) {
        // Objects read inside the failed body went down with the factory's unwinding; a later
        // back-reference must not find them.
        objects_.resize(objectsBefore);
        throw;
    }
    // Skips what the factory left unread and sets back a factory that read too far.
    seekTo(bodyStart + bodyLength);
    return object;
}

uint8_t InputStream::readByte() {
    uint8_t value = 0;
    readBytes(&value, 1);
    return value;
}

int32_t InputStream::readInt32() {
    return static_cast<int32_t>(readUInt32());
}

uint32_t InputStream::readUInt32() {
    std::array<uint8_t, 4> bytes{};
    readBytes(bytes.data(), bytes.size());
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::string InputStream::readString() {
    const uint32_t length = readUInt32();
    requireRemaining(length);
    std::string value(length, '\0');
    readBytes(value.data(), value.size());
    return value;
}

void InputStream::readBytes(void* data, std::size_t count) {
    bytes_.read(static_cast<char*>(data), static_cast<std::streamsize>(count));
    if (!bytes_) {
        throw CouldNotRead();
    }
}

void InputStream::requireRemaining(uint64_t count) {
    const std::streamoff here = position();
    bytes_.seekg(0, std::ios::end);
    const std::streamoff end = bytes_.tellg();
    bytes_.seekg(here);
    if (!bytes_ || end < here || static_cast<uint64_t>(end - here) < count) {
        throw CouldNotRead();
    }
}

std::streamoff InputStream::position() {
    const std::streamoff here = bytes_.tellg();
    if (here < 0) {
        throw CouldNotRead();
    }
    return here;
}

void InputStream::seekTo(std::streamoff target) {
    bytes_.seekg(target);
    if (!bytes_) {
        throw CouldNotRead();
    }
}

} // namespace Persistence
