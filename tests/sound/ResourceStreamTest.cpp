#include "sound/ResourceStream.h"

#include <array>
#include <gtest/gtest.h>

namespace {

constexpr std::array<unsigned char, 10> bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

class ResourceStreamTest : public ::testing::Test {
protected:
    Sound::ResourceStream stream{Resources::Bytes(bytes)};
    std::array<unsigned char, 16> out{};
};

TEST_F(ResourceStreamTest, ReadsFromThePositionAndStopsAtTheEnd) {
    EXPECT_EQ(stream.read(out.data(), 1, 4), 4u);
    EXPECT_EQ(stream.tell(), 4);
    EXPECT_EQ(stream.read(out.data(), 1, 16), 6u);
    EXPECT_EQ(out[0], 4);
    EXPECT_EQ(out[5], 9);
    EXPECT_EQ(stream.tell(), 10);
    EXPECT_EQ(stream.read(out.data(), 1, 4), 0u);
}

TEST_F(ResourceStreamTest, CountsWholeElements) {
    EXPECT_EQ(stream.read(out.data(), 4, 3), 2u);
    EXPECT_EQ(stream.tell(), 8);
    EXPECT_EQ(stream.read(out.data(), 0, 3), 0u);
}

TEST_F(ResourceStreamTest, SeeksFromStartCurrentAndEnd) {
    EXPECT_EQ(stream.seek(3, 0), 0);
    EXPECT_EQ(stream.tell(), 3);
    EXPECT_EQ(stream.seek(2, 1), 0);
    EXPECT_EQ(stream.tell(), 5);
    EXPECT_EQ(stream.seek(-4, 2), 0);
    EXPECT_EQ(stream.tell(), 6);
    ASSERT_EQ(stream.read(out.data(), 1, 1), 1u);
    EXPECT_EQ(out[0], 6);
}

TEST_F(ResourceStreamTest, ASeekBeforeTheStartFailsAndMovesNothing) {
    stream.seek(5, 0);
    EXPECT_EQ(stream.seek(-6, 1), -1);
    EXPECT_EQ(stream.seek(-11, 2), -1);
    EXPECT_EQ(stream.seek(-1, 0), -1);
    EXPECT_EQ(stream.tell(), 5);
}

TEST_F(ResourceStreamTest, ASeekPastTheEndLandsExactlyAtTheEnd) {
    EXPECT_EQ(stream.seek(25, 0), 0);
    EXPECT_EQ(stream.tell(), 10);
    EXPECT_EQ(stream.seek(INT64_MAX, 1), 0);
    EXPECT_EQ(stream.tell(), 10);
}

TEST_F(ResourceStreamTest, OtherOriginsFail) {
    stream.seek(2, 0);
    EXPECT_EQ(stream.seek(0, 3), -1);
    EXPECT_EQ(stream.seek(0, -1), -1);
    EXPECT_EQ(stream.tell(), 2);
}

TEST_F(ResourceStreamTest, TheDecoderCallbacksForwardToTheStream) {
    EXPECT_EQ(Sound::seekResourceStream(&stream, 7, 0), 0);
    EXPECT_EQ(Sound::tellResourceStream(&stream), 7);
    EXPECT_EQ(Sound::readResourceStream(out.data(), 1, 8, &stream), 3u);
    EXPECT_EQ(Sound::closeResourceStream(&stream), 0);
}

TEST(ResourceStreamLookupTest, OpensABuiltInRecording) {
    Sound::ResourceStream rain(136);
    std::array<char, 4> magic{};
    ASSERT_EQ(rain.read(magic.data(), 1, 4), 4u);
    EXPECT_EQ(std::string(magic.data(), 4), "OggS");
}

} // namespace
