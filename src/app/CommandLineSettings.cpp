#include "app/CommandLineSettings.h"

#include "errors/BasicError.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <algorithm>
#include <charconv>
#include <numbers>
#include <string>

namespace {

struct NumberWord {
    std::string_view name;
    std::optional<int32_t> CommandLineSettings::Values::*value;
    int32_t lowest;
    int32_t highest;
};

struct SwitchWord {
    std::string_view on;
    std::string_view off;
    std::optional<bool> CommandLineSettings::Values::*value;
};

using Values = CommandLineSettings::Values;

// The ranges are those of the settings dialog, in the words' units.
constexpr NumberWord numberWords[] = {
    {"density", &Values::density, 0, 50},
    {"wind-force", &Values::windForce, 0, 150},
    {"wind-angle", &Values::windAngle, 10, 170},
    {"drop-size", &Values::dropSize, 1, 10},
    {"drop-size-spread", &Values::dropSizeSpread, 0, 9},
    {"speed", &Values::speed, 10, 50},
    {"cpu-load", &Values::cpuLoad, 0, 100},
    {"rain-volume", &Values::rainVolume, 0, 100},
    {"thunder-volume", &Values::thunderVolume, 0, 100},
};

constexpr SwitchWord switchWords[] = {
    {"lightning", "no-lightning", &Values::lightning},
    {"flashes", "no-flashes", &Values::flashes},
    {"sound", "no-sound", &Values::sound},
};

constexpr int32_t largestRadius = 10;

const NumberWord* numberWord(std::string_view name) {
    const auto found = std::find_if(std::begin(numberWords), std::end(numberWords),
                                    [name](const NumberWord& word) { return word.name == name; });
    return found == std::end(numberWords) ? nullptr : found;
}

const SwitchWord* switchWord(std::string_view name) {
    const auto found = std::find_if(
        std::begin(switchWords), std::end(switchWords),
        [name](const SwitchWord& word) { return word.on == name || word.off == name; });
    return found == std::end(switchWords) ? nullptr : found;
}

std::string rangeText(const NumberWord& word) {
    return "a whole number from " + std::to_string(word.lowest) + " to " +
           std::to_string(word.highest);
}

// The whole text must be the number: "40abc" or "4.5" is refused rather than read as 40 or 4.
std::optional<int32_t> wholeNumber(const std::string& text) {
    int32_t number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

float percentToVolume(int32_t percent) {
    return static_cast<float>(percent) / 100.0f;
}

float degreesToRadians(int32_t degrees) {
    return static_cast<float>(degrees * std::numbers::pi / 180.0);
}

} // namespace

bool CommandLineSettings::isKnown(std::string_view name) {
    return numberWord(name) != nullptr || switchWord(name) != nullptr;
}

bool CommandLineSettings::takesValue(std::string_view name) {
    return numberWord(name) != nullptr;
}

CommandLineSettings::CommandLineSettings(
    const std::vector<CommandLine::SettingArgument>& arguments) {
    for (const CommandLine::SettingArgument& argument : arguments) {
        read(argument);
    }
}

void CommandLineSettings::read(const CommandLine::SettingArgument& argument) {
    if (const SwitchWord* word = switchWord(argument.name)) {
        values_.*(word->value) = argument.name == word->on;
        empty_ = false;
        return;
    }
    const NumberWord* word = numberWord(argument.name);
    if (word == nullptr) {
        return;
    }
    const std::string option = "--" + std::string(word->name);
    if (!argument.value) {
        throw BasicError(option + " needs a value: " + rangeText(*word));
    }
    const std::optional<int32_t> number = wholeNumber(*argument.value);
    if (!number || *number < word->lowest || *number > word->highest) {
        throw BasicError("The value \"" + *argument.value + "\" of " + option +
                         " is not valid: give " + rangeText(*word));
    }
    values_.*(word->value) = *number;
    empty_ = false;
}

void CommandLineSettings::applyTo(ScreenSaverOptionsStorage& options) const {
    if (values_.density) {
        options.setDensity(*values_.density);
    }
    if (values_.windForce) {
        options.setWindForce(*values_.windForce);
    }
    if (values_.windAngle) {
        options.setWindAngle(degreesToRadians(*values_.windAngle));
    }
    if (values_.dropSize) {
        options.setMinRadius(*values_.dropSize);
    }
    if (values_.dropSizeSpread) {
        options.setRadiusSpread(*values_.dropSizeSpread);
    }
    if (values_.dropSize || values_.dropSizeSpread) {
        options.setRadiusSpread(
            std::min(options.radiusSpread(), largestRadius - options.minRadius()));
    }
    if (values_.speed) {
        options.setSpeed(*values_.speed);
    }
    if (values_.cpuLoad) {
        options.controlOptions().setMaxCpuLoad(*values_.cpuLoad);
    }
    if (values_.rainVolume) {
        options.setRainVolume(percentToVolume(*values_.rainVolume));
    }
    if (values_.thunderVolume) {
        options.setThunderVolume(percentToVolume(*values_.thunderVolume));
    }
    if (values_.lightning) {
        options.setBoltsEnabled(*values_.lightning);
    }
    if (values_.flashes) {
        options.setFlashesEnabled(*values_.flashes);
    }
    if (values_.sound) {
        options.setSoundEnabled(*values_.sound);
    }
}
