#include "persistence/OutputStream.h"

#include "SampleObjects.h"
#include "StreamBytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using Persistence::OutputStream;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

std::vector<uint8_t> fullEntry(const Persistence::ClassId& id, std::vector<uint8_t> body) {
    std::vector<uint8_t> bytes;
    appendMarker(bytes);
    append(bytes, {0});
    bytes.insert(bytes.end(), id.begin(), id.end());
    appendUInt32(bytes, static_cast<uint32_t>(body.size()));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::vector<uint8_t> tail(const std::vector<uint8_t>& bytes, std::size_t from) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end()};
}

TEST(OutputStreamPrimitives, AreLittleEndianWithCountedStrings) {
    std::stringstream bytes;
    OutputStream stream(bytes);
    stream.writeByte(0xAB);
    stream.writeInt32(-2);
    stream.writeUInt32(0x01020304);
    stream.writeString("hi");
    EXPECT_THAT(bytesOf(bytes), ElementsAre(0xAB, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 2,
                                            0, 0, 0, 'h', 'i'));
}

TEST(OutputStreamPrimitives, ThrowCouldNotWriteOnAFailedStream) {
    std::stringstream bytes;
    bytes.setstate(std::ios::badbit);
    OutputStream stream(bytes);
    try {
        stream.writeInt32(1);
        FAIL() << "no error";
    } catch (const OutputStream::CouldNotWrite& error) {
        EXPECT_STREQ(error.what(), "OutputStream: Could not write to output stream");
    }
    EXPECT_THROW(stream.writeObject(SampleLeaf(1, "x")), Persistence::Error);
}

TEST(OutputStreamObjects, FirstEntryHasMarkerClassIdAndBodyLength) {
    std::stringstream bytes;
    OutputStream(bytes).writeObject(SampleLeaf(0x11223344, "ab"));
    EXPECT_THAT(bytesOf(bytes),
                ElementsAreArray(
                    fullEntry(SampleLeaf::id, {0x44, 0x33, 0x22, 0x11, 2, 0, 0, 0, 'a', 'b'})));
}

TEST(OutputStreamObjects, SameObjectTwiceGivesANineByteReference) {
    const SampleLeaf first(1, "");
    const SampleLeaf second(2, "");
    std::stringstream bytes;
    OutputStream stream(bytes);
    stream.writeObject(first);
    stream.writeObject(second);
    const std::size_t before = bytesOf(bytes).size();
    stream.writeObject(second);
    EXPECT_THAT(tail(bytesOf(bytes), before), ElementsAre('P', 'O', 'B', 'J', 1, 1, 0, 0, 0));
}

TEST(OutputStreamObjects, LaterObjectsOfAClassNameTheClassByIndex) {
    // Named, because the stream tells objects apart by address.
    const SampleLeaf leaf5(5, "");
    const SampleLeaf leaf6(6, "");
    const SampleWithTail tail7(7, 0);
    const SampleWithTail tail8(8, 0);
    std::stringstream bytes;
    OutputStream stream(bytes);
    const auto entryOf = [&](const Persistence::IStreamableObject& object) {
        const std::size_t before = bytesOf(bytes).size();
        stream.writeObject(object);
        return tail(bytesOf(bytes), before);
    };
    EXPECT_EQ(entryOf(leaf5), fullEntry(SampleLeaf::id, {5, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_THAT(entryOf(leaf6),
                ElementsAre('P', 'O', 'B', 'J', 2, 0, 0, 0, 0, 8, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(entryOf(tail7), fullEntry(SampleWithTail::id, {7, 0, 0, 0}));
    EXPECT_THAT(entryOf(tail8),
                ElementsAre('P', 'O', 'B', 'J', 2, 1, 0, 0, 0, 4, 0, 0, 0, 8, 0, 0, 0));
}

TEST(OutputStreamObjects, NestedObjectIsCompleteFirstAndGetsTheLowerIndex) {
    SampleContainer outer;
    auto& inner = outer.add(std::make_unique<SampleLeaf>(3, ""));
    std::stringstream bytes;
    OutputStream stream(bytes);
    stream.writeObject(outer);
    const std::size_t before = bytesOf(bytes).size();
    stream.writeObject(inner);
    stream.writeObject(outer);
    EXPECT_THAT(tail(bytesOf(bytes), before),
                ElementsAre('P', 'O', 'B', 'J', 1, 0, 0, 0, 0, 'P', 'O', 'B', 'J', 1, 1, 0, 0, 0));
    // The outer body's length covers the whole inner entry.
    std::vector<uint8_t> innerEntry = fullEntry(SampleLeaf::id, {3, 0, 0, 0, 0, 0, 0, 0});
    std::vector<uint8_t> outerBody{1};
    outerBody.insert(outerBody.end(), innerEntry.begin(), innerEntry.end());
    const std::vector<uint8_t> outerEntry = fullEntry(SampleContainer::id, outerBody);
    const std::vector<uint8_t> all = bytesOf(bytes);
    EXPECT_THAT(
        std::vector<uint8_t>(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(before)),
        ElementsAreArray(outerEntry));
}

} // namespace
