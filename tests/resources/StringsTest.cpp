#include "resources/Strings.h"

#include "resources/ResourceErrors.h"
#include "resources/UnitStrings.h"

#include <gtest/gtest.h>

using namespace Resources;

TEST(StringsTest, KnownTextsAreBuiltIn) {
    EXPECT_EQ(loadString(1), "Pluvo Screen Saver");
    EXPECT_EQ(loadString(1002), "Pluvo Screen Saver");
#ifdef _WIN32
    // Windows keeps the settings in the registry, and its texts say so.
    EXPECT_EQ(loadString(1005), "Cannot create registry key");
    EXPECT_EQ(loadString(1006), "Cannot write to registry key");
#else
    EXPECT_EQ(loadString(1005), "Cannot create the settings folder");
    EXPECT_EQ(loadString(1006), "Cannot write the settings file");
#endif
    EXPECT_EQ(loadString(1007), "Access denied");
    EXPECT_EQ(loadString(7001), "You haven't selected a valid display mode. Please reselect it\n"
                                "or click Cancel to return to previous settings.");
    EXPECT_EQ(loadString(6056), "Could not unregister file: \"%1\"");
    EXPECT_EQ(loadString(26), "Sorry: ");
    EXPECT_EQ(loadString(9), "最小雨滴半径不能大于最大雨滴半径,请重新调整.");
}

TEST(StringsTest, EveryTextTheProgramAsksForIsPresent) {
    for (const uint32_t id : {1,    9,    23,   24,   26,   27,   28,   29,   31,   32,   1000,
                              1002, 1005, 1006, 1007, 1320, 6003, 6008, 6011, 6013, 6014, 6022,
                              6041, 6050, 6051, 6052, 6053, 6054, 6055, 6056, 7001, 7011}) {
        EXPECT_NO_THROW(loadString(id)) << "string " << id;
    }
}

TEST(StringsTest, MissingStringNamesTheRequestedId) {
    try {
        loadUnitString(StringUnit::Vantic, 99);
        FAIL() << "no error";
    } catch (const StringNotFoundError& error) {
        EXPECT_STREQ(error.what(), "String resource not found. Requested ID: 7099");
        EXPECT_EQ(error.id(), 7099u);
    }
}

TEST(StringsTest, UnitTextsSitAboveTheirUnitsBase) {
#ifdef _WIN32
    EXPECT_EQ(loadUnitString(StringUnit::DirectX, 20)
                  .rfind("This program requires DirectX 5 or later installed.\n", 0),
              0u);
#else
    EXPECT_EQ(
        loadUnitString(StringUnit::DirectX, 20)
            .rfind("Pluvo Screensaver needs a graphical display and could not open one (%s).\n", 0),
        0u);
#endif
    EXPECT_EQ(loadUnitString(StringUnit::Installer, 22), "Removing program folders");
    EXPECT_EQ(loadUnitString(StringUnit::Vantic, 11), loadString(7011));

    setUnitStringBase(StringUnit::Installer, 1000);
    EXPECT_EQ(loadUnitString(StringUnit::Installer, 7), "Access denied");
    EXPECT_EQ(loadUnitString(StringUnit::Vantic, 1), loadString(7001));
    setUnitStringBase(StringUnit::Installer, installerStringBase);
}
