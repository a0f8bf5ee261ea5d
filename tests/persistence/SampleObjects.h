#pragma once

#include "persistence/ClassId.h"
#include "persistence/IStreamableObject.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Storable classes for the stream tests, registered in SampleObjects.cpp.

// A value and a label.
class SampleLeaf : public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId id =
        Persistence::makeClassId(0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8});

    SampleLeaf(int32_t initialValue, std::string initialLabel)
        : value(initialValue), label(std::move(initialLabel)) {}
    explicit SampleLeaf(Persistence::InputStream& stream);

    const Persistence::ClassId& classId() const override { return id; }
    void write(Persistence::OutputStream& stream) const override;

    int32_t value;
    std::string label;
};

// Writes a value followed by bytes that its reader does not know, like a newer version of a
// class read by an older program.
class SampleWithTail : public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId id =
        Persistence::makeClassId(0x44444444, 0x5555, 0x6666, {9, 10, 11, 12, 13, 14, 15, 16});

    SampleWithTail(int32_t initialValue, uint32_t tailLength)
        : value(initialValue), tailBytes(tailLength) {}
    explicit SampleWithTail(Persistence::InputStream& stream);

    const Persistence::ClassId& classId() const override { return id; }
    void write(Persistence::OutputStream& stream) const override;

    int32_t value;
    uint32_t tailBytes;
};

// Holds other objects, some of them owned, some references to objects owned elsewhere in the
// same stream.
class SampleContainer : public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId id =
        Persistence::makeClassId(0x77777777, 0x8888, 0x9999, {17, 18, 19, 20, 21, 22, 23, 24});

    SampleContainer() = default;
    explicit SampleContainer(Persistence::InputStream& stream);

    const Persistence::ClassId& classId() const override { return id; }
    void write(Persistence::OutputStream& stream) const override;

    Persistence::IStreamableObject& add(std::unique_ptr<Persistence::IStreamableObject> child);
    void addReference(Persistence::IStreamableObject& child) { children.push_back(&child); }

    std::vector<std::unique_ptr<Persistence::IStreamableObject>> owned;
    std::vector<Persistence::IStreamableObject*> children;
};
