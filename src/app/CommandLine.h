#pragma once

#include "app/RunMode.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The run mode and its arguments as read from the program's command line.
//
// The grammar is the screen-saver one: options start with "-" or "/", "s" runs full screen,
// "p ID" previews in window ID, "c[:ID]" opens the settings, "uninstall" and "kill \"path\""
// drive the two-process uninstall. On top come the desktop saver daemon's conventions ("-root",
// "-window-id ID", $XSCREENSAVER_WINDOW) and our own "--window". A later option overrides an
// earlier one; unknown text is ignored. Settings for this run only come as two-dash words
// ("--density 40", "--no-sound"); they are gathered here and checked when they are used.
struct CommandLine {
    // A setting word without its dashes, and the word after it when the setting takes one.
    struct SettingArgument {
        std::string name;
        std::optional<std::string> value;
        bool operator==(const SettingArgument&) const = default;
    };

    RunMode mode = RunMode::Settings;
    int32_t parentWindow = 0;
    std::string uninstallTarget;
    // The saver runs in a resizable window on the desktop instead of full screen.
    bool windowed = false;
    // The saver draws into a window that a saver daemon owns (parentWindow; 0 is the root
    // window) instead of a window of its own.
    bool hosted = false;
    std::vector<SettingArgument> settings;

    // environmentWindow is the value of $XSCREENSAVER_WINDOW, if set.
    static CommandLine parse(std::string_view text,
                             const std::optional<std::string>& environmentWindow = std::nullopt);
};
