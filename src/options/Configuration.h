#pragma once

#include "errors/BasicError.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <memory>
#include <string>
#include <string_view>

// Holds the saver's settings for the whole process and keeps them in the settings store: one
// binary value "Configuration" under Software\Quorvel\<product name>, for the current user or,
// read-only, for the whole machine.
class Configuration {
public:
    class NotFoundError : public BasicError {
    public:
        NotFoundError();
    };
    class CreateWriteKeyError : public BasicError {
    public:
        // code is a platform error code as the store reports it.
        CreateWriteKeyError(const std::string& baseText, int code);
    };

    // The version of the outer value this program writes.
    static constexpr uint32_t currentVersion = 1280;

    // Whether the key of the current user's (perUser) or the machine's copy can be opened.
    static bool exists(bool perUser);
    // Loads the current user's copy, else the machine's; NotFoundError when neither key exists.
    static void load();
    // Replaces the options with those stored in one hive; the options stay as they are when
    // the stored value is missing, too short or of an old version, or when reading it fails.
    static void load(bool perUser);
    static void save(bool perUser);
    // The options a stored value holds; nullptr when it is too short or of a version without
    // options. Raises the stream's errors for a damaged value.
    static std::unique_ptr<ScreenSaverOptionsStorage> optionsFromValue(std::string_view value);
    // The value that stores these options in the current version.
    static std::string valueOf(ScreenSaverOptionsStorage& options);
    // The settings in force; the pointer stays valid until the next load.
    static ScreenSaverOptionsStorage* options();
    // Puts the default settings in force (the stored value is untouched until a save).
    static void useDefaults();
    // Software\Quorvel\ and the product name.
    static const std::string& subkey();
};
