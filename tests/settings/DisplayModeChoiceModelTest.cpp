#include "settings/DisplayModeChoiceModel.h"

#include "options/IDisplayModeSelectionModel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

class FakeMode : public IDisplayModeDescription {
public:
    explicit FakeMode(int width) : width_(width) {}
    int32_t bitsPerPixel() const override { return 32; }
    int32_t width() const override { return width_; }
    int32_t height() const override { return 600; }
    int32_t refreshRate() const override { return 0; }
    std::string text() const override { return std::to_string(width_) + "x600"; }

private:
    int width_;
};

class FakeModeModel : public IDisplayModeSelectionModel {
public:
    bool useCurrentMode() const override { return useCurrent; }
    const IDisplayModeDescription* selectedMode() const override { return selected; }
    void setUseCurrentMode(bool use) override { useCurrent = use; }
    void selectMode(const IDisplayModeDescription* mode) override {
        selected = mode;
        ++selections;
    }
    std::vector<const IDisplayModeDescription*> availableModes() const override {
        return {&small, &large};
    }
    void sortModes() override {}
    void enumerateModes(IDisplayDevice::RefreshRates,
                        const IDisplayDevice::ModeVisitor&) const override {}

    FakeMode small{800};
    FakeMode large{1024};
    bool useCurrent = true;
    const IDisplayModeDescription* selected = nullptr;
    int selections = 0;
};

TEST(DisplayModeChoiceModelTest, TheListShowsTheModelsModesWithItsSelectedModeSelected) {
    FakeModeModel modes;
    EXPECT_THAT(DisplayModeChoiceModel(modes).entries(),
                ::testing::ElementsAre("800x600", "1024x600"));
    EXPECT_EQ(DisplayModeChoiceModel(modes).initialState().selectedEntry,
              DisplayModeChoiceModel::noEntry);
    modes.selected = &modes.large;
    modes.useCurrent = false;
    const DisplayModeChoiceState state = DisplayModeChoiceModel(modes).initialState();
    EXPECT_FALSE(state.useCurrentMode);
    EXPECT_EQ(state.selectedEntry, 1);
    EXPECT_TRUE(DisplayModeChoiceModel::listEnabled(state));
}

TEST(DisplayModeChoiceModelTest, AListedModeWithoutASelectionIsRefusedWithMessage7001OnTheList) {
    FakeModeModel modes;
    const DisplayModeChoiceModel model(modes);
    EXPECT_EQ(model.validate({true, DisplayModeChoiceModel::noEntry}), std::nullopt);
    const ValidationFailure expected{7001, ValidationFailure::Caption::applicationTitle, 103};
    EXPECT_EQ(model.validate({false, DisplayModeChoiceModel::noEntry}), expected);
    EXPECT_EQ(model.validate({false, 0}), std::nullopt);
}

TEST(DisplayModeChoiceModelTest, ApplySelectsTheListedModeOnlyWhenTheListIsUsed) {
    FakeModeModel modes;
    const DisplayModeChoiceModel model(modes);
    model.apply({true, 1});
    EXPECT_TRUE(modes.useCurrent);
    EXPECT_EQ(modes.selections, 0);
    model.apply({false, 1});
    EXPECT_FALSE(modes.useCurrent);
    EXPECT_EQ(modes.selected, &modes.large);
}

} // namespace
