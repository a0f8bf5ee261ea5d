#pragma once

#include <cstdint>
#include <string>

// Why a page or control may not be left, or why it refused what it was given (a wallpaper file
// that is no picture), as its face tells the user: a message box with the error icon, and the
// focus put where the fault can be fixed.
struct ValidationFailure {
    enum class Caption {
        errorString,      // string-table entry 1000, "Error"
        applicationTitle, // the product's name and version
    };
    enum class Icon { error };

    static constexpr uint32_t errorCaptionString = 1000;
    static constexpr int noControl = 0;

    // The message's string-table entry.
    uint32_t messageString;
    Caption caption;
    // The id of the control to focus, or noControl to leave the focus where it is.
    int focusControl = noControl;
    // Put in place of the message's "%s"; empty for messages without one.
    std::string insertedText = {};
    Icon icon = Icon::error;

    bool operator==(const ValidationFailure&) const = default;
};
