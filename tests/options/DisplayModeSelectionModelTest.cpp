#include "FakeDisplayDevice.h"
#include "options/DirectXDisplayModeSelectionModel.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

using Captions = std::vector<std::string>;

Captions captionsOf(const IDisplayModeSelectionModel& model) {
    Captions captions;
    for (const IDisplayModeDescription* mode : model.availableModes()) {
        captions.push_back(mode->text());
    }
    return captions;
}

std::string bodyOf(const DirectXDisplayModeSelectionModel& model) {
    std::stringstream bytes;
    Persistence::OutputStream stream(bytes);
    model.write(stream);
    return bytes.str();
}

// A stored body, spelled out field by field.
struct Body {
    Body& int32(int32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<char>(static_cast<uint32_t>(value) >> shift & 0xFF));
        }
        return *this;
    }
    Body& byte(uint8_t value) {
        bytes.push_back(static_cast<char>(value));
        return *this;
    }
    std::unique_ptr<DirectXDisplayModeSelectionModel> read() const {
        std::stringstream source(bytes);
        Persistence::InputStream stream(source);
        return std::make_unique<DirectXDisplayModeSelectionModel>(stream);
    }
    std::string bytes;
};

Body storedSelection(int32_t width, int32_t height, int32_t bitsPerPixel) {
    return Body()
        .int32(256)
        .byte(0)
        .int32(8)
        .int32(0)
        .byte(1)
        .int32(width)
        .int32(height)
        .int32(bitsPerPixel)
        .int32(0);
}

TEST(DisplayModeList, IsAskedOfTheDeviceOnceOnFirstNeed) {
    FakeDisplayDevice device({{32, 800, 600, 0}});
    DirectXDisplayModeSelectionModel model(8, 0);
    EXPECT_EQ(model.selectedMode(), nullptr);
    EXPECT_EQ(device.enumerations, 0);
    model.availableModes();
    model.sortModes();
    model.availableModes();
    EXPECT_EQ(device.enumerations, 1);
    EXPECT_EQ(device.askedRates, IDisplayDevice::RefreshRates::Merged);
}

TEST(DisplayModeList, LeavesOutShallowModesAndPutsLargestDeepestFastestFirst) {
    FakeDisplayDevice device({{16, 800, 600, 60},
                              {4, 1024, 768, 60},
                              {32, 640, 480, 60},
                              {32, 800, 600, 60},
                              {8, 800, 600, 75},
                              {32, 800, 600, 85},
                              {16, 1024, 600, 60}});
    DirectXDisplayModeSelectionModel model(8, 1);
    EXPECT_EQ(
        captionsOf(model),
        (Captions{"1024x600 High Color (16 bit, 60 Hz)", "800x600 True Color (32 bit, 85 Hz)",
                  "800x600 True Color (32 bit, 60 Hz)", "800x600 High Color (16 bit, 60 Hz)",
                  "800x600 256 Colors (8 bit, 75 Hz)", "640x480 True Color (32 bit, 60 Hz)"}));
    EXPECT_EQ(device.askedRates, IDisplayDevice::RefreshRates::Listed);
    EXPECT_EQ(DirectXDisplayModeSelectionModel(16, 1).availableModes().size(), 5u);
}

TEST(DisplayModeList, IsEmptyWithoutADisplayAndAskedAgainAfterAFailure) {
    FakeDisplayDevice device({{32, 800, 600, 0}});
    device.absent = true;
    DirectXDisplayModeSelectionModel model(8, 0);
    EXPECT_TRUE(model.availableModes().empty());
    model.sortModes();
    device.absent = false;
    device.failing = true;
    EXPECT_THROW(model.availableModes(), std::runtime_error);
    device.failing = false;
    EXPECT_EQ(captionsOf(model), (Captions{"800x600 True Color (32 bit)"}));
    EXPECT_EQ(device.enumerations, 4);
}

class DisplayModeModel : public ::testing::Test {
protected:
    FakeDisplayDevice device{{{32, 1024, 768, 0}, {16, 800, 600, 0}, {32, 800, 600, 0}}};
};

TEST_F(DisplayModeModel, SelectsOnlyItsOwnDescriptions) {
    DirectXDisplayModeSelectionModel model(8, 0);
    const DirectXDisplayModeDescription lookalike(32, 800, 600, 0);
    EXPECT_THROW(model.selectMode(&lookalike), IDisplayModeSelectionModel::UnknownMode);

    const IDisplayModeDescription* mode = model.availableModes()[1];
    model.selectMode(mode);
    EXPECT_THROW(model.selectMode(&lookalike), IDisplayModeSelectionModel::UnknownMode);
    EXPECT_EQ(model.selectedMode(), mode);
    model.selectMode(nullptr);
    EXPECT_EQ(model.selectedMode(), nullptr);
}

TEST_F(DisplayModeModel, StoresSwitchSettingsAndSelectionWidthFirst) {
    DirectXDisplayModeSelectionModel model(8, 0);
    EXPECT_EQ(bodyOf(model), Body().int32(256).byte(1).int32(8).int32(0).byte(0).bytes);
    model.setUseCurrentMode(false);
    model.selectMode(model.availableModes()[2]);
    EXPECT_EQ(bodyOf(model), storedSelection(800, 600, 16).bytes);
}

TEST_F(DisplayModeModel, ComesBackThroughAnObjectStream) {
    DirectXDisplayModeSelectionModel original(16, 1);
    original.setUseCurrentMode(false);
    original.selectMode(original.availableModes()[1]);

    std::stringstream bytes;
    Persistence::OutputStream(bytes).writeObject(original);
    EXPECT_EQ(bytes.str().substr(5, 16),
              std::string(reinterpret_cast<const char*>(
                              DirectXDisplayModeSelectionModel::classIdentifier.data()),
                          16));
    auto read =
        Persistence::InputStream(bytes).readObject().releaseAs<DirectXDisplayModeSelectionModel>();
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->useCurrentMode());
    EXPECT_EQ(read->minimumBitsPerPixel(), 16);
    EXPECT_EQ(read->enumerateRefreshRates(), 1);
    EXPECT_EQ(read->selectedMode(), read->availableModes()[1]);
}

TEST_F(DisplayModeModel, MatchesAStoredModeOnlyWhenTheSelectionIsAskedFor) {
    auto model = storedSelection(800, 600, 32).read();
    EXPECT_EQ(device.enumerations, 0);
    ASSERT_NE(model->selectedMode(), nullptr);
    EXPECT_EQ(model->selectedMode()->text(), "800x600 True Color (32 bit)");
}

TEST_F(DisplayModeModel, ForgetsAStoredModeTheDisplayNoLongerOffers) {
    auto model = storedSelection(1600, 1200, 32).read();
    EXPECT_EQ(model->selectedMode(), nullptr);
    EXPECT_EQ(bodyOf(*model), Body().int32(256).byte(0).int32(8).int32(0).byte(0).bytes);
}

// Without a display (no X server) nothing can be matched: the stored mode is what the model
// selects, stores and reports, until a display can be asked.
TEST_F(DisplayModeModel, KeepsAStoredModeWhileNoDisplayCanBeOpened) {
    const Body stored = storedSelection(1600, 1200, 32);
    auto model = stored.read();
    device.absent = true;
    ASSERT_NE(model->selectedMode(), nullptr);
    EXPECT_EQ(model->selectedMode()->text(), "1600x1200 True Color (32 bit)");
    EXPECT_EQ(bodyOf(*model), stored.bytes);
    EXPECT_TRUE(model->availableModes().empty());

    device.absent = false;
    EXPECT_EQ(model->modeToStore()->text(), "1600x1200 True Color (32 bit)");
    EXPECT_EQ(model->selectedMode(), nullptr) << "the display does not offer it";
    EXPECT_EQ(model->modeToStore(), nullptr);
}

TEST_F(DisplayModeModel, TakesARestoredModeLikeAStoredBody) {
    DirectXDisplayModeSelectionModel model(8, 0);
    model.restoreStoredMode(DirectXDisplayModeDescription(16, 800, 600, 0));
    EXPECT_EQ(device.enumerations, 0);
    ASSERT_NE(model.selectedMode(), nullptr);
    EXPECT_EQ(model.selectedMode(), model.availableModes()[2]);
}

TEST_F(DisplayModeModel, LetsAnExplicitChoiceWinOverTheStoredMode) {
    auto model = storedSelection(800, 600, 32).read();
    const IDisplayModeDescription* chosen = model->availableModes()[0];
    model->selectMode(chosen);
    EXPECT_EQ(model->selectedMode(), chosen);
}

TEST_F(DisplayModeModel, ReadsEveryFieldWhateverVersionTheBodyNames) {
    for (const int32_t version : {0, 255}) {
        for (const bool useCurrent : {false, true}) {
            const auto model = Body()
                                   .int32(version)
                                   .byte(useCurrent ? 1 : 0)
                                   .int32(16)
                                   .int32(0)
                                   .byte(1)
                                   .int32(1024)
                                   .int32(768)
                                   .int32(32)
                                   .int32(0)
                                   .read();
            const std::string context = "version " + std::to_string(version) + ", use current " +
                                        std::to_string(useCurrent);
            EXPECT_EQ(model->useCurrentMode(), useCurrent) << context;
            EXPECT_EQ(model->minimumBitsPerPixel(), 16) << context;
            ASSERT_NE(model->selectedMode(), nullptr) << context;
            EXPECT_EQ(model->selectedMode()->text(), "1024x768 True Color (32 bit)") << context;
        }
    }
}

TEST_F(DisplayModeModel, BodyWithTheVersionAloneCannotBeRead) {
    EXPECT_THROW(Body().int32(0).read(), Persistence::InputStream::CouldNotRead);
}

} // namespace
