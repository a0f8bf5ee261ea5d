#include "settings/WallpaperListEditorModel.h"

#include "options/DefaultWallpaperListModel.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>

namespace {

using ::testing::ElementsAre;

class WallpaperListEditorModelTest : public ::testing::Test {
protected:
    WallpaperListEditorModelTest() {
        std::random_device random;
        do {
            folder_ = std::filesystem::temp_directory_path() /
                      ("pluvo-wallpapers-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(folder_));
    }
    ~WallpaperListEditorModelTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // A file that begins as a Windows bitmap does, which is all the list asks of one.
    std::string bitmap(const std::string& name) { return file(name, "BM and the rest"); }
    std::string file(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    DefaultWallpaperListModel wallpapers;

private:
    std::filesystem::path folder_;
};

TEST_F(WallpaperListEditorModelTest, EntriesShowTheFileNameAndKeepTheFullPath) {
    const std::string a = bitmap("a.bmp");
    wallpapers.setFiles({a});
    WallpaperListEditorModel model(wallpapers);
    EXPECT_TRUE(model.add({bitmap("c.BMP")}).empty());
    ASSERT_EQ(model.entries().size(), 2u);
    EXPECT_EQ(model.entries()[0], (WallpaperEntry{"a.bmp", a}));
    EXPECT_EQ(model.entries()[1].text, "c.BMP");
}

TEST_F(WallpaperListEditorModelTest, AFileNamedLikeAJpegWithoutJpegDataIsRefusedWithMessage7011) {
    const std::string a = bitmap("a.bmp");
    wallpapers.setFiles({a});
    WallpaperListEditorModel model(wallpapers);
    const std::string fake = file("holiday.jpg", "not a picture");
    const std::string b = bitmap("b.bmp");
    const ValidationFailure refusal{7011, ValidationFailure::Caption::applicationTitle,
                                    ValidationFailure::noControl, fake};
    EXPECT_THAT(model.add({fake, b}), ElementsAre(refusal));
    EXPECT_THAT(model.paths(), ElementsAre(a, b));
    EXPECT_THAT(model.add({fake}), ElementsAre(refusal));
    EXPECT_THAT(model.paths(), ElementsAre(a, b));
}

TEST_F(WallpaperListEditorModelTest, DraggingTheLastOntoTheFirstPutsItFirstWithItsPath) {
    const std::string a = bitmap("a.bmp");
    const std::string b = bitmap("b.bmp");
    const std::string c = bitmap("c.bmp");
    wallpapers.setFiles({a, b, c});
    WallpaperListEditorModel model(wallpapers);
    EXPECT_TRUE(model.drop(2, 0));
    EXPECT_THAT(model.entries(), ElementsAre(WallpaperEntry{"c.bmp", c}, WallpaperEntry{"a.bmp", a},
                                             WallpaperEntry{"b.bmp", b}));
    // Dragged down, the entry goes before its target.
    EXPECT_TRUE(model.drop(0, 2));
    EXPECT_THAT(model.paths(), ElementsAre(a, c, b));
    EXPECT_FALSE(model.drop(1, 1));
    EXPECT_FALSE(model.drop(1, 3));
    EXPECT_THAT(model.paths(), ElementsAre(a, c, b));
}

TEST_F(WallpaperListEditorModelTest, NothingReachesTheListBeforeApplyWhichWritesFilesAndOrder) {
    const std::string a = bitmap("a.bmp");
    const std::string b = bitmap("b.bmp");
    wallpapers.setFiles({a, b});
    wallpapers.setOrderMode(IWallpaperListModel::randomOrder);
    WallpaperListEditorModel model(wallpapers);
    EXPECT_FALSE(model.fixedOrderInitially());
    EXPECT_TRUE(model.move(1, 0));
    EXPECT_FALSE(model.remove(2));
    EXPECT_TRUE(model.remove(1));
    EXPECT_THAT(wallpapers.files(), ElementsAre(a, b));

    model.apply(true);
    EXPECT_THAT(wallpapers.files(), ElementsAre(b));
    EXPECT_EQ(wallpapers.orderMode(), IWallpaperListModel::fixedOrder);
}

} // namespace
