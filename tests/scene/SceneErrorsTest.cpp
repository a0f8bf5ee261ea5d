#include "scene/SceneErrors.h"

#include <gtest/gtest.h>
#include <string>

TEST(SceneErrorsTest, MissingWallpaperNamesTheFile) {
    EXPECT_STREQ(Scene::SceneErrors::missingWallpaper("/home/me/rain.jpg").what(),
                 "Background image file \"/home/me/rain.jpg\" not found. Perhaps it was renamed or "
                 "deleted. You can use the settings dialog to remove this file from the list of "
                 "background images");
}

TEST(SceneErrorsTest, OverlongFileNamesAreCutAtTheMessageBuffer) {
    const std::string message = Scene::SceneErrors::missingWallpaper(std::string(3000, 'x')).what();
    EXPECT_EQ(message.size(), 1023u);
    EXPECT_EQ(message.rfind("Background image file \"xxx", 0), 0u);
}
