#include "errors/VerboseError.h"

#include <gtest/gtest.h>

namespace {

TEST(VerboseErrorTest, DiagnosticsCanBeLeftOutForTheFuzzers) {
    const VerboseError collected("with");
    EXPECT_FALSE(collected.details().empty());
    EXPECT_GT(collected.memoryStatus().totalPhysical, 0u);

    VerboseError::setDiagnosticsCollected(false);
    const VerboseError bare("without");
    VerboseError::setDiagnosticsCollected(true);
    EXPECT_STREQ(bare.what(), "without");
    EXPECT_TRUE(bare.details().empty());
    EXPECT_EQ(bare.memoryStatus().totalPhysical, 0u);
    EXPECT_FALSE(VerboseError("again").details().empty());
}

} // namespace
