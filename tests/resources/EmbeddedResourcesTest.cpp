#include "resources/EmbeddedResources.h"

#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

namespace {

uint32_t littleEndianAt(Resources::Bytes bytes, std::size_t index) {
    const unsigned char* p = bytes.data() + index * 4;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

} // namespace

TEST(EmbeddedResourcesTest, HighlightTableIsBuiltIn) {
    const auto table = Resources::lookUp("RCDATA", "COSNTABLE");
    ASSERT_TRUE(table.has_value());
    ASSERT_EQ(table->size(), 129u * 4);
    EXPECT_EQ(littleEndianAt(*table, 0), 65536u);
    EXPECT_EQ(littleEndianAt(*table, 1), 47829u);
    EXPECT_EQ(littleEndianAt(*table, 64), 0u);
    EXPECT_EQ(littleEndianAt(*table, 128), 65536u);
}

TEST(EmbeddedResourcesTest, UnknownResourcesAreNotFound) {
    EXPECT_FALSE(Resources::lookUp("RCDATA", "NO_SUCH_TABLE").has_value());
    EXPECT_FALSE(Resources::lookUp("BITMAP", "COSNTABLE").has_value());
    EXPECT_FALSE(Resources::lookUp("RCDATA", 135).has_value());
    EXPECT_FALSE(Resources::lookUp("BITMAP", 136).has_value());
}

TEST(EmbeddedResourcesTest, FindResourceNamesWhatIsMissing) {
    EXPECT_EQ(Resources::findResource("RCDATA", "COSNTABLE").size(), 129u * 4);
    try {
        Resources::findResource("BITMAP", "IDB_NOTHING");
        FAIL() << "no error";
    } catch (const Resources::ResourceNotFoundError& error) {
        EXPECT_STREQ(error.what(), "Resource not found, resource id: IDB_NOTHING");
    }
    try {
        Resources::findResource("RCDATA", 135);
        FAIL() << "no error";
    } catch (const Resources::ResourceNotFoundError& error) {
        EXPECT_STREQ(error.what(), "Resource not found, resource id: 135");
    }
}
