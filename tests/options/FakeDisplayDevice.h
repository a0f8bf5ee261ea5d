#pragma once

#include "display/DX5Error.h"
#include "options/IDisplayDevice.h"

#include <optional>
#include <stdexcept>
#include <vector>

// A display that reports a fixed list of modes, fails, or cannot be opened at all (as without an
// X server). It is the current display device while it exists.
class FakeDisplayDevice : public IDisplayDevice {
public:
    explicit FakeDisplayDevice(std::vector<Mode> modes) : modes_(std::move(modes)) {
        setCurrentDisplayDevice(this);
    }
    ~FakeDisplayDevice() override { setCurrentDisplayDevice(nullptr); }
    FakeDisplayDevice(const FakeDisplayDevice&) = delete;
    FakeDisplayDevice& operator=(const FakeDisplayDevice&) = delete;

    void enumerateModes(RefreshRates rates, const ModeVisitor& visit) override {
        ++enumerations;
        askedRates = rates;
        if (failing) {
            throw std::runtime_error("display gone");
        }
        if (absent) {
            throw DX5::NoDirectX5Error("no display here");
        }
        for (const Mode& mode : modes_) {
            visit(mode);
        }
    }

    int enumerations = 0;
    std::optional<RefreshRates> askedRates;
    bool failing = false;
    bool absent = false;

private:
    std::vector<Mode> modes_;
};
