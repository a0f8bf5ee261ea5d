#pragma once

#include <span>
#include <string_view>

// What each control of the settings is for, as its What's This help says it: the pages and the
// controls they host, under the name of the part they belong to (which is also where the
// translation finds them), by the control's id.
namespace ControlHelp {

// The About page's picture, which no model names.
inline constexpr int aboutPictureId = 1017;

struct Entry {
    const char* part;
    int controlId;
    const char* text;
};

std::span<const Entry> entries();
// The settings' guide, which their Help button opens: an HTML page, found under the part "Help".
const char* guide();
// The help of the control, as written; null for a control without help.
const char* textFor(std::string_view part, int controlId);

} // namespace ControlHelp
