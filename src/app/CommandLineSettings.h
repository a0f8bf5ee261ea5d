#pragma once

#include "app/CommandLine.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class ScreenSaverOptionsStorage;

// The settings a saver daemon's own settings dialog hands over as two-dash words, read and
// checked. They change the options for one run; SettingsForOneRun puts the stored ones back.
class CommandLineSettings {
public:
    // Whole numbers in the units the words use: degrees for the wind's angle, percent for the
    // volumes and the processor share.
    struct Values {
        std::optional<int32_t> density;
        std::optional<int32_t> windForce;
        std::optional<int32_t> windAngle;
        std::optional<int32_t> dropSize;
        std::optional<int32_t> dropSizeSpread;
        std::optional<int32_t> speed;
        std::optional<int32_t> cpuLoad;
        std::optional<int32_t> rainVolume;
        std::optional<int32_t> thunderVolume;
        std::optional<bool> lightning;
        std::optional<bool> flashes;
        std::optional<bool> sound;
    };

    // name is the word without its two dashes.
    static bool isKnown(std::string_view name);
    static bool takesValue(std::string_view name);

    // Throws BasicError naming the word, the value and the accepted range when a value is
    // missing or out of range; a later word overrides an earlier one.
    explicit CommandLineSettings(const std::vector<CommandLine::SettingArgument>& arguments);

    const Values& values() const { return values_; }
    bool empty() const { return empty_; }

    // The largest drop never exceeds the largest radius the drops are made for: the spread
    // gives way to a drop size that leaves no room for it.
    void applyTo(ScreenSaverOptionsStorage& options) const;

private:
    void read(const CommandLine::SettingArgument& argument);

    Values values_;
    bool empty_ = true;
};
