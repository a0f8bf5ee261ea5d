#include "persistence/InputStream.h"

#include "SampleObjects.h"
#include "StreamBytes.h"
#include "persistence/OutputStream.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using Persistence::InputStream;
using Persistence::OutputStream;
using Persistence::ReadObjectResult;

namespace {

template <typename Error> std::string messageOf(std::istream& bytes) {
    InputStream stream(bytes);
    try {
        stream.readObject();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

std::vector<uint8_t> entry(const Persistence::ClassId& id, std::initializer_list<uint8_t> body) {
    std::vector<uint8_t> bytes;
    appendMarker(bytes);
    append(bytes, {0});
    bytes.insert(bytes.end(), id.begin(), id.end());
    appendUInt32(bytes, static_cast<uint32_t>(body.size()));
    append(bytes, body);
    return bytes;
}

std::vector<uint8_t> leafEntry(std::initializer_list<uint8_t> body) {
    return entry(SampleLeaf::id, body);
}

TEST(InputStreamPrimitives, ReadLittleEndianValuesAndCountedStrings) {
    std::istringstream bytes(
        textOf({0xAB, 0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 2, 0, 0, 0, 'h', 'i'}));
    InputStream stream(bytes);
    EXPECT_EQ(stream.readByte(), 0xAB);
    EXPECT_EQ(stream.readInt32(), -2);
    EXPECT_EQ(stream.readUInt32(), 0x01020304u);
    EXPECT_EQ(stream.readString(), "hi");
    EXPECT_THROW(stream.readByte(), InputStream::CouldNotRead);
}

TEST(InputStreamPrimitives, StringLongerThanTheStreamIsCouldNotReadWithoutAllocating) {
    std::vector<uint8_t> text;
    appendUInt32(text, 0xFFFFFFF0);
    append(text, {'a', 'b'});
    std::istringstream bytes(textOf(text));
    InputStream stream(bytes);
    try {
        stream.readString();
        FAIL() << "no error";
    } catch (const InputStream::CouldNotRead& error) {
        EXPECT_STREQ(error.what(), "InputStream: Could not read input stream");
    }
}

TEST(InputStreamObjects, RoundTripWithBackReferences) {
    SampleContainer outer;
    auto& shared = outer.add(std::make_unique<SampleLeaf>(42, "shared"));
    outer.add(std::make_unique<SampleLeaf>(-7, ""));
    outer.addReference(shared);
    std::stringstream bytes;
    OutputStream output(bytes);
    output.writeObject(outer);
    output.writeObject(shared);

    InputStream input(bytes);
    ReadObjectResult first = input.readObject();
    ASSERT_TRUE(first.ownsObject());
    auto read = first.releaseAs<SampleContainer>();
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->children.size(), 3u);
    ASSERT_EQ(read->owned.size(), 2u);
    EXPECT_EQ(read->children[2], read->children[0]);
    const auto& leaf = dynamic_cast<const SampleLeaf&>(*read->children[0]);
    EXPECT_EQ(leaf.value, 42);
    EXPECT_EQ(leaf.label, "shared");
    EXPECT_EQ(dynamic_cast<const SampleLeaf&>(*read->children[1]).value, -7);

    ReadObjectResult second = input.readObject();
    EXPECT_TRUE(second.isBackReference());
    EXPECT_EQ(second.get(), read->children[0]);
    EXPECT_EQ(second.release(), nullptr);
    EXPECT_EQ(second.releaseAs<SampleLeaf>(), nullptr);
    EXPECT_EQ(second.get(), read->children[0]);
}

TEST(InputStreamObjects, ReleaseAsAnotherClassKeepsTheObject) {
    std::istringstream bytes(textOf(leafEntry({1, 0, 0, 0, 0, 0, 0, 0})));
    ReadObjectResult result = InputStream(bytes).readObject();
    EXPECT_EQ(result.releaseAs<SampleContainer>(), nullptr);
    EXPECT_TRUE(result.ownsObject());
    EXPECT_EQ(result.releaseAs<SampleLeaf>()->value, 1);
    EXPECT_EQ(result.get(), nullptr);
}

TEST(InputStreamObjects, UnreadPartOfABodyIsSkipped) {
    const SampleWithTail newer(3, 11);
    const SampleLeaf next(4, "next");
    std::stringstream bytes;
    OutputStream output(bytes);
    output.writeObject(newer);
    output.writeObject(next);

    InputStream input(bytes);
    EXPECT_EQ(input.readObject().releaseAs<SampleWithTail>()->value, 3);
    EXPECT_EQ(input.readObject().releaseAs<SampleLeaf>()->label, "next");
}

TEST(InputStreamObjects, FactoryThatReadsPastItsBodyIsSetBack) {
    // The body holds 2 bytes, but its reader takes 4: the last two are the next entry's "PO".
    std::vector<uint8_t> text = entry(SampleWithTail::id, {3, 0});
    const std::vector<uint8_t> next = leafEntry({6, 0, 0, 0, 0, 0, 0, 0});
    text.insert(text.end(), next.begin(), next.end());
    std::istringstream bytes(textOf(text));
    InputStream input(bytes);
    EXPECT_EQ(input.readObject().releaseAs<SampleWithTail>()->value, 0x4F500003);
    EXPECT_EQ(input.readObject().releaseAs<SampleLeaf>()->value, 6);
}

TEST(InputStreamErrors, BadMarkerNamesItsPositionInUpperCaseHex) {
    std::istringstream atStart("POBX");
    EXPECT_EQ(messageOf<InputStream::BadObjectInStream>(atStart),
              "InputStream: Bad object in stream at 0");

    std::string padded(0x2A, ' ');
    padded += "pobj0";
    std::istringstream further(padded);
    further.seekg(0x2A);
    EXPECT_EQ(messageOf<InputStream::BadObjectInStream>(further),
              "InputStream: Bad object in stream at 2A");
}

TEST(InputStreamErrors, UnknownClassIsNamedInRegistryForm) {
    std::vector<uint8_t> text;
    appendMarker(text);
    append(text, {0});
    text.resize(text.size() + 16, 0);
    appendUInt32(text, 0);
    std::istringstream zeros(textOf(text));
    EXPECT_EQ(messageOf<InputStream::UnknownClassInStream>(zeros),
              "InputStream: Unknown class in input stream: "
              "{00000000-0000-0000-0000-000000000000}");

    std::vector<uint8_t> other = leafEntry({});
    other[5] = 0xAB; // lowest byte of the first field
    std::istringstream unknown(textOf(other));
    EXPECT_EQ(messageOf<InputStream::UnknownClassInStream>(unknown),
              "InputStream: Unknown class in input stream: "
              "{111111AB-2222-3333-0102-030405060708}");
}

TEST(InputStreamErrors, IndicesOutsideTheMapsAreReported) {
    std::istringstream object(std::string("POBJ\x01\x00\x00\x00\x00", 9));
    EXPECT_EQ(messageOf<InputStream::MappedObjectNotFound>(object),
              "InputStream: Mapped object not found in input stream");

    std::istringstream classIndex(std::string("POBJ\x02\xFF\xFF\xFF\xFF", 9));
    EXPECT_EQ(messageOf<InputStream::MappedClassNotFound>(classIndex),
              "InputStream: Class index outside class map: 4294967295");
}

TEST(InputStreamErrors, ShortInputAfterTheMarkerIsCouldNotRead) {
    const std::vector<uint8_t> whole = leafEntry({1, 0, 0, 0, 0, 0, 0, 0});
    for (std::size_t length :
         {std::size_t{4}, std::size_t{5}, std::size_t{20}, std::size_t{27}, whole.size() - 1}) {
        std::istringstream bytes(
            textOf({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)}));
        EXPECT_THROW(InputStream(bytes).readObject(), InputStream::CouldNotRead) << length;
    }
}

TEST(InputStreamErrors, InputEndingBeforeOrInsideTheMarkerIsABadObjectAtTheMarker) {
    const std::string prefix(0x1F, 'x');
    for (std::size_t kept = 0; kept < 4; ++kept) {
        std::istringstream bytes(prefix + std::string("POBJ").substr(0, kept));
        bytes.seekg(static_cast<std::streamoff>(prefix.size()));
        EXPECT_EQ(messageOf<InputStream::BadObjectInStream>(bytes),
                  "InputStream: Bad object in stream at 1F")
            << kept << " marker bytes";
    }
}

TEST(InputStreamErrors, BodyLengthBeyondTheEndIsCouldNotRead) {
    // The factory would find all it needs, but the stream is shorter than the body claims.
    std::vector<uint8_t> text = leafEntry({1, 0, 0, 0, 0, 0, 0, 0});
    text[21] = 9;
    std::istringstream bytes(textOf(text));
    EXPECT_THROW(InputStream(bytes).readObject(), InputStream::CouldNotRead);
}

TEST(InputStreamErrors, ObjectsReadInsideAFailedBodyCannotBeReferencedLater) {
    SampleContainer outer;
    outer.add(std::make_unique<SampleLeaf>(1, ""));
    outer.add(std::make_unique<SampleLeaf>(2, "lost"));
    std::stringstream written;
    OutputStream(written).writeObject(outer);
    std::string text = written.str();
    // Damage the second leaf's label count so that the container fails after its first child.
    const std::size_t labelCount = text.rfind("lost") - 4;
    text[labelCount + 3] = '\x7F';
    text += std::string("POBJ\x01\x00\x00\x00\x00", 9);

    std::istringstream bytes(text);
    InputStream input(bytes);
    EXPECT_THROW(input.readObject(), InputStream::CouldNotRead);
    bytes.clear();
    bytes.seekg(static_cast<std::streamoff>(text.size() - 9));
    EXPECT_THROW(input.readObject(), InputStream::MappedObjectNotFound);
}

TEST(InputStreamErrors, NestingBeyondTheLimitIsABadObject) {
    const auto nestedStream = [](int depth) {
        auto outermost = std::make_unique<SampleContainer>();
        for (int i = 1; i < depth; ++i) {
            auto outer = std::make_unique<SampleContainer>();
            outer->add(std::move(outermost));
            outermost = std::move(outer);
        }
        std::stringstream bytes;
        OutputStream(bytes).writeObject(*outermost);
        return bytes.str();
    };
    std::istringstream deepest(nestedStream(InputStream::maxNestingDepth));
    EXPECT_NO_THROW(InputStream(deepest).readObject());
    std::istringstream tooDeep(nestedStream(InputStream::maxNestingDepth + 1));
    EXPECT_THROW(InputStream(tooDeep).readObject(), InputStream::BadObjectInStream);
}

} // namespace
