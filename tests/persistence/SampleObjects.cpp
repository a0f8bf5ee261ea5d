#include "SampleObjects.h"

#include "persistence/ClassRegistry.h"

namespace {

template <typename T>
std::unique_ptr<Persistence::IStreamableObject> readSample(Persistence::InputStream& stream) {
    return std::make_unique<T>(stream);
}

const Persistence::ClassRegistration leafRegistration{SampleLeaf::id, readSample<SampleLeaf>};
const Persistence::ClassRegistration tailRegistration{SampleWithTail::id,
                                                      readSample<SampleWithTail>};
const Persistence::ClassRegistration containerRegistration{SampleContainer::id,
                                                           readSample<SampleContainer>};

} // namespace

SampleLeaf::SampleLeaf(Persistence::InputStream& stream)
    : value(stream.readInt32()), label(stream.readString()) {}

void SampleLeaf::write(Persistence::OutputStream& stream) const {
    stream.writeInt32(value);
    stream.writeString(label);
}

SampleWithTail::SampleWithTail(Persistence::InputStream& stream)
    : value(stream.readInt32()), tailBytes(0) {}

void SampleWithTail::write(Persistence::OutputStream& stream) const {
    stream.writeInt32(value);
    for (uint32_t i = 0; i < tailBytes; ++i) {
        stream.writeByte(0xEE);
    }
}

SampleContainer::SampleContainer(Persistence::InputStream& stream) {
    const uint8_t count = stream.readByte();
    for (uint8_t i = 0; i < count; ++i) {
        Persistence::ReadObjectResult child = stream.readObject();
        if (child.ownsObject()) {
            add(child.release());
        } else {
            addReference(*child);
        }
    }
}

void SampleContainer::write(Persistence::OutputStream& stream) const {
    stream.writeByte(static_cast<uint8_t>(children.size()));
    for (const auto* child : children) {
        stream.writeObject(*child);
    }
}

Persistence::IStreamableObject&
SampleContainer::add(std::unique_ptr<Persistence::IStreamableObject> child) {
    children.push_back(child.get());
    owned.push_back(std::move(child));
    return *children.back();
}
