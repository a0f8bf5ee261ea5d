#include "sound/ResourceStream.h"

#include <algorithm>
#include <cstring>

namespace Sound {

namespace {

constexpr const char* recordingType = "RCDATA";

} // namespace

ResourceStream::ResourceStream(int32_t resourceId)
    : ResourceStream(Resources::findResource(recordingType, resourceId)) {}

ResourceStream::ResourceStream(Resources::Bytes bytes)
    : data_(bytes.data()), size_(static_cast<int64_t>(bytes.size())) {}

std::size_t ResourceStream::read(void* destination, std::size_t size, std::size_t count) {
    if (size == 0) {
        return 0;
    }
    const auto left = static_cast<std::size_t>(size_ - position_);
    const std::size_t elements = std::min(count, left / size);
    const std::size_t bytes = elements * size;
    if (bytes > 0) {
        std::memcpy(destination, data_ + position_, bytes);
    }
    position_ += static_cast<int64_t>(bytes);
    return elements;
}

int ResourceStream::seek(int64_t offset, int origin) {
    int64_t base = 0;
    switch (origin) {
    case 0:
        base = 0;
        break;
    case 1:
        base = position_;
        break;
    case 2:
        base = size_;
        break;
    default:
        return -1;
    }
    int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target)) {
        target = offset < 0 ? -1 : size_;
    }
    if (target < 0) {
        return -1;
    }
    position_ = std::min(target, size_);
    return 0;
}

long ResourceStream::tell() const {
    return static_cast<int32_t>(position_);
}

std::size_t readResourceStream(void* destination, std::size_t size, std::size_t count,
                               void* stream) {
    return static_cast<ResourceStream*>(stream)->read(destination, size, count);
}

int seekResourceStream(void* stream, int64_t offset, int origin) {
    return static_cast<ResourceStream*>(stream)->seek(offset, origin);
}

int closeResourceStream(void* stream) {
    return static_cast<ResourceStream*>(stream)->close();
}

long tellResourceStream(void* stream) {
    return static_cast<ResourceStream*>(stream)->tell();
}

} // namespace Sound
