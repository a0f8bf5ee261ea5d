#pragma once

#include "options/ScreenSaverOptionsStorage.h"

#include <string>

// Every stored option by name, one "name = value" line each, as the settings tool prints them.
std::string optionsReport(ScreenSaverOptionsStorage& options);
