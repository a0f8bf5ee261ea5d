#include "persistence/OutputStream.h"

#include <array>
#include <limits>

namespace Persistence {

namespace {

constexpr std::array<char, 4> objectMarker{'P', 'O', 'B', 'J'};
constexpr uint8_t referenceFlag = 1;
constexpr uint8_t classIndexFlag = 2;
// Stands in for the body length until the body is written; seen only if writing fails.
constexpr uint32_t bodyLengthPlaceholder = 0xDEADFEED;

// A count that its 32-bit field cannot hold would be written cut off and mislead every reader.
uint32_t storableCount(std::size_t count) {
    if (count > std::numeric_limits<uint32_t>::max()) {
        throw OutputStream::CouldNotWrite();
    }
    return static_cast<uint32_t>(count);
}

} // namespace

OutputStream::CouldNotWrite::CouldNotWrite()
    : Error("OutputStream: Could not write to output stream", 1) {}

OutputStream::OutputStream(std::ostream& bytes) : bytes_(bytes) {}

void OutputStream::writeObject(const IStreamableObject& object) {
    writeBytes(objectMarker.data(), objectMarker.size());
    if (const auto known = objectIndices_.find(&object); known != objectIndices_.end()) {
        writeByte(referenceFlag);
        writeUInt32(known->second);
        return;
    }
    writeClass(object.classId());
    writeBody(object);
    const auto nextIndex = static_cast<uint32_t>(objectIndices_.size());
    objectIndices_.emplace(&object, nextIndex);
}

void OutputStream::writeClass(const ClassId& id) {
    if (const auto known = classIndices_.find(id); known != classIndices_.end()) {
        writeByte(classIndexFlag);
        writeUInt32(known->second);
        return;
    }
    writeByte(0);
    writeBytes(id.data(), id.size());
    const auto nextIndex = static_cast<uint32_t>(classIndices_.size());
    classIndices_.emplace(id, nextIndex);
}

void OutputStream::writeBody(const IStreamableObject& object) {
    const std::streamoff lengthPosition = position();
    writeUInt32(bodyLengthPlaceholder);
    object.write(*this);
    const std::streamoff bodyEnd = position();
    const uint32_t bodyLength =
        storableCount(static_cast<std::size_t>(bodyEnd - lengthPosition - 4));
    seekTo(lengthPosition);
    writeUInt32(bodyLength);
    seekTo(bodyEnd);
}

void OutputStream::writeByte(uint8_t value) {
    writeBytes(&value, 1);
}

void OutputStream::writeInt32(int32_t value) {
    writeUInt32(static_cast<uint32_t>(value));
}

void OutputStream::writeUInt32(uint32_t value) {
    const std::array<uint8_t, 4> bytes{
        static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    writeBytes(bytes.data(), bytes.size());
}

void OutputStream::writeString(const std::string& value) {
    writeUInt32(storableCount(value.size()));
    writeBytes(value.data(), value.size());
}

void OutputStream::writeBytes(const void* data, std::size_t count) {
    bytes_.write(static_cast<const char*>(data), static_cast<std::streamsize>(count));
    if (!bytes_) {
        throw CouldNotWrite();
    }
}

std::streamoff OutputStream::position() {
    const std::streamoff here = bytes_.tellp();
    if (here < 0) {
        throw CouldNotWrite();
    }
    return here;
}

void OutputStream::seekTo(std::streamoff target) {
    bytes_.seekp(target);
    if (!bytes_) {
        throw CouldNotWrite();
    }
}

} // namespace Persistence
