#include "resources/StringTable.h"

#include "resources/ResourceErrors.h"

#include <gtest/gtest.h>

namespace {

using Resources::StringTable;

std::string parseError(std::string_view source) {
    try {
        StringTable::parse(source);
    } catch (const Resources::Error& error) {
        return error.what();
    }
    return "<no error>";
}

} // namespace

TEST(StringTableTest, ReadsEscapesBlanksCommentsAndCrLfLines) {
    const auto table = StringTable::parse("# heading\r\n\r\n"
                                          "5 \"a\\nb\\rc\\td \\\"q\\\" back\\\\slash\"\r\n"
                                          "  # indented comment\n"
                                          "26\t\"Sorry: \"  \n"
                                          "9 \"# not a comment\"");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(*table.find(5), "a\nb\rc\td \"q\" back\\slash");
    EXPECT_EQ(*table.find(26), "Sorry: ");
    EXPECT_EQ(*table.find(9), "# not a comment");
    EXPECT_EQ(table.find(1), nullptr);
}

TEST(StringTableTest, MalformedEntriesNameTheirLine) {
    EXPECT_EQ(parseError("1 \"ok\"\n2 \"open"),
              "String table line 2: missing closing double quote");
    EXPECT_EQ(parseError("2 \"ends in a backslash\\"),
              "String table line 1: missing closing double quote");
    EXPECT_EQ(parseError("2 \"bad \\x escape\""), "String table line 1: unknown escape \\x");
    EXPECT_EQ(parseError("2 unquoted"), "String table line 1: expected a text in double quotes");
    EXPECT_EQ(parseError("2 \"text\" trailing"),
              "String table line 1: unexpected text after the closing double quote");
    EXPECT_EQ(parseError("-2 \"text\""), "String table line 1: expected a numeric id");
    EXPECT_EQ(parseError("2x \"text\""), "String table line 1: expected a blank after the id");
    EXPECT_EQ(parseError("4294967296 \"text\""), "String table line 1: the id is too large");
    EXPECT_EQ(parseError("7 \"first\"\n\n7 \"second\""), "String table line 3: id 7 appears twice");
}
