#pragma once

#include <cstdint>

class LiveRainPreview;
class PropertyPagesSheet;
class ScreenSaverOptionsStorage;

// The settings of the saver: the six pages over the options in force.
namespace SettingsDialog {

// Adds the pages in sheet order, and the preview beside them when one is given; the preview must
// outlive the sheet.
void addPages(PropertyPagesSheet& sheet, ScreenSaverOptionsStorage& options, bool soundAvailable,
              LiveRainPreview* preview = nullptr);

// Loads the translation for the user's language: Chinese texts stay as they are, every other
// language gets English. Needs a Qt application.
void installTranslation();

// Shows the settings modally, making a Qt application when the process has none; returns when
// the user closes them. A parentWindow other than 0 is the X window of the program that asked
// for them: the sheet is its modal transient, above it and centred on it. Throws
// DX5::NoDirectX5Error when no display can be reached.
void run(ScreenSaverOptionsStorage& options, bool soundAvailable, int32_t parentWindow);

} // namespace SettingsDialog
