// Every input the fuzzers kept, and every input that once broke a reader, goes through the same
// target functions in the ordinary test builds, the sanitizer build among them.
#include "FuzzTargets.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Target = int (*)(const uint8_t*, std::size_t);

std::size_t replay(const std::string& corpus, Target target) {
    const fs::path folder = fs::path(PLUVO_FUZZ_CORPUS_DIR) / corpus;
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                         std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(target(bytes.data(), bytes.size()), 0);
        ++count;
    }
    return count;
}

TEST(CorpusReplayTest, ConfigurationValues) {
    EXPECT_GT(replay("configuration", FuzzTargets::configurationValue), 0u);
}

TEST(CorpusReplayTest, ObjectStreams) {
    EXPECT_GT(replay("stream", FuzzTargets::objectStream), 0u);
}

TEST(CorpusReplayTest, BmpPictures) {
    EXPECT_GT(replay("bmp", FuzzTargets::bmpPicture), 0u);
}

TEST(CorpusReplayTest, JpegPictures) {
    EXPECT_GT(replay("jpeg", FuzzTargets::jpegPicture), 0u);
}

TEST(CorpusReplayTest, PictureScaling) {
    EXPECT_GT(replay("scaling", FuzzTargets::pictureScaling), 0u);
}

TEST(CorpusReplayTest, UninstallScripts) {
    EXPECT_GT(replay("script", FuzzTargets::uninstallScript), 0u);
}

} // namespace
