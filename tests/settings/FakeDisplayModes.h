#pragma once

#include "options/IDisplayModeSelectionModel.h"

#include <string>
#include <vector>

// Two modes to choose from, and what the display-mode controls did with them.

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
