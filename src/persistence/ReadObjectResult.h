#pragma once

#include "persistence/IStreamableObject.h"

#include <memory>
#include <utility>

namespace Persistence {

// What InputStream::readObject hands back. An object stored in full is new: the result owns it
// until the caller takes it with release() or releaseAs(). A back-reference names an object
// read earlier from the same stream; that object belongs to whoever received it the first time,
// so the result only points at it, and the pointer stays valid as long as that owner keeps it.
class ReadObjectResult {
public:
    static ReadObjectResult newObject(std::unique_ptr<IStreamableObject> object) {
        IStreamableObject* const pointer = object.get();
        return ReadObjectResult(std::move(object), pointer);
    }
    static ReadObjectResult backReference(IStreamableObject& earlier) {
        return ReadObjectResult(nullptr, &earlier);
    }

    // A moved-from result holds nothing, not even a pointer.
    ReadObjectResult(ReadObjectResult&& other) noexcept
        : owned_(std::move(other.owned_)), object_(std::exchange(other.object_, nullptr)) {}
    ReadObjectResult& operator=(ReadObjectResult&& other) noexcept {
        owned_ = std::move(other.owned_);
        object_ = std::exchange(other.object_, nullptr);
        return *this;
    }

    // The object read, owned or not; nullptr once ownership has been released.
    IStreamableObject* get() const { return object_; }
    IStreamableObject& operator*() const { return *object_; }
    IStreamableObject* operator->() const { return object_; }

    bool isBackReference() const { return !owned_ && object_ != nullptr; }
    bool ownsObject() const { return owned_ != nullptr; }

    // Hands over the new object; empty for a back-reference, which has no ownership to give.
    std::unique_ptr<IStreamableObject> release() {
        if (owned_) {
            object_ = nullptr;
        }
        return std::move(owned_);
    }

    // Hands over the new object when it is a T. Otherwise returns empty and keeps the object,
    // so that it is destroyed with the result.
    template <typename T> std::unique_ptr<T> releaseAs() {
        auto* const typed = dynamic_cast<T*>(owned_.get());
        if (typed == nullptr) {
            return nullptr;
        }
        owned_.release();
        object_ = nullptr;
        return std::unique_ptr<T>(typed);
    }

private:
    ReadObjectResult(std::unique_ptr<IStreamableObject> owned, IStreamableObject* object)
        : owned_(std::move(owned)), object_(object) {}

    std::unique_ptr<IStreamableObject> owned_;
    IStreamableObject* object_;
};

} // namespace Persistence
