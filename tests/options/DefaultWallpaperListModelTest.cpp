#include "options/DefaultWallpaperListModel.h"

#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"
#include "platform/Rand15.h"

#include <deque>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using Persistence::InputStream;
using Persistence::OutputStream;
using ::testing::ElementsAre;

namespace {

class DefaultWallpaperListModelTest : public ::testing::Test {
protected:
    DefaultWallpaperListModelTest() { list.setFiles({"/p/a.jpg", "/p/b.bmp", "/p/c.jpeg"}); }
    ~DefaultWallpaperListModelTest() override { overrideRand15({}); }

    void scriptDraws(std::deque<int32_t> draws) {
        overrideRand15([draws]() mutable {
            const int32_t next = draws.front();
            draws.pop_front();
            return next;
        });
    }

    // nextFile() calls, each paired with the index left behind.
    std::vector<std::pair<std::string, uint32_t>> take(int count) {
        std::vector<std::pair<std::string, uint32_t>> taken;
        for (int i = 0; i < count; ++i) {
            std::string file = list.nextFile();
            taken.emplace_back(std::move(file), list.nextIndex());
        }
        return taken;
    }

    DefaultWallpaperListModel list;
};

using Taken = std::pair<std::string, uint32_t>;

std::string stored(const DefaultWallpaperListModel& list) {
    std::stringstream bytes;
    OutputStream(bytes).writeObject(list);
    return bytes.str();
}

std::unique_ptr<DefaultWallpaperListModel> readBack(const std::string& text) {
    std::istringstream bytes(text);
    return InputStream(bytes).readObject().releaseAs<DefaultWallpaperListModel>();
}

} // namespace

TEST_F(DefaultWallpaperListModelTest, FixedOrderRunsThroughTheListAndWraps) {
    EXPECT_THAT(take(5),
                ElementsAre(Taken{"/p/a.jpg", 1}, Taken{"/p/b.bmp", 2}, Taken{"/p/c.jpeg", 3},
                            Taken{"/p/a.jpg", 1}, Taken{"/p/b.bmp", 2}));
}

TEST_F(DefaultWallpaperListModelTest, IndexBeyondAShortenedListRestartsAtTheFirstFile) {
    list.setNextIndex(7);
    list.setFiles({"/p/x.jpg", "/p/y.jpg"});
    EXPECT_THAT(take(1), ElementsAre(Taken{"/p/x.jpg", 1}));
    // Random order restarts the same way, whatever was drawn.
    list.setOrderMode(IWallpaperListModel::randomOrder);
    list.setNextIndex(2);
    scriptDraws({0});
    EXPECT_THAT(take(1), ElementsAre(Taken{"/p/x.jpg", 1}));
}

TEST_F(DefaultWallpaperListModelTest, RandomOrderShowsTheFileDrawnAtThePreviousStart) {
    list.setOrderMode(IWallpaperListModel::randomOrder);
    scriptDraws({32767, 4, 6}); // modulo 3: 1, 1, 0
    EXPECT_THAT(take(3),
                ElementsAre(Taken{"/p/a.jpg", 1}, Taken{"/p/b.bmp", 1}, Taken{"/p/b.bmp", 0}));
}

TEST_F(DefaultWallpaperListModelTest, EmptyListHasNoNextFile) {
    list.setFiles({});
    EXPECT_THROW(list.nextFile(), DefaultWallpaperListModel::EmptyListError);
    list.setOrderMode(IWallpaperListModel::randomOrder);
    EXPECT_THROW(list.nextFile(), DefaultWallpaperListModel::EmptyListError);
}

TEST_F(DefaultWallpaperListModelTest, StoredBodyHoldsOrderFilesAndIndex) {
    list.setFiles({"ab", "/c"});
    list.setOrderMode(IWallpaperListModel::randomOrder);
    list.setNextIndex(0x0102);
    const std::string text = stored(list);
    EXPECT_THAT(std::vector<uint8_t>(text.begin(), text.end()),
                ElementsAre('P', 'O', 'B', 'J', 0,
                            // {3A83620D-379D-47B8-8701-639A3F822D25}
                            0x0D, 0x62, 0x83, 0x3A, 0x9D, 0x37, 0xB8, 0x47, 0x87, 0x01, 0x63, 0x9A,
                            0x3F, 0x82, 0x2D, 0x25,
                            // body length, version 256, order, count, "ab", "/c", index
                            28, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 'a', 'b',
                            2, 0, 0, 0, '/', 'c', 2, 1, 0, 0));
}

TEST_F(DefaultWallpaperListModelTest, RoundTripKeepsEveryField) {
    list.setFiles({"/home/u/Pictures/été.jpg", "", "/p/z.bmp"});
    list.setOrderMode(IWallpaperListModel::randomOrder);
    list.setNextIndex(2);
    const auto read = readBack(stored(list));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->files(), list.files());
    EXPECT_EQ(read->orderMode(), IWallpaperListModel::randomOrder);
    EXPECT_EQ(read->nextIndex(), 2u);

    const auto empty = readBack(stored(DefaultWallpaperListModel()));
    EXPECT_TRUE(empty->files().empty());
    EXPECT_EQ(empty->orderMode(), IWallpaperListModel::fixedOrder);
    EXPECT_EQ(empty->nextIndex(), 0u);
}

TEST_F(DefaultWallpaperListModelTest, DamagedCountEndsInAShortRead) {
    std::string text = stored(list);
    // The file count sits after marker, flags, class id, body length, version and order.
    text[5 + 16 + 4 + 4 + 4 + 3] = '\x7F';
    EXPECT_THROW(readBack(text), InputStream::CouldNotRead);
}
