#pragma once

#include "app/GraphicsVersion.h"
#include "app/Reporter.h"
#include "app/ScreenSaverLauncher.h"
#include "app/SilentErrors.h"

#include <functional>
#include <memory>
#include <string>

// What the program's start wires together; tests replace the parts that touch the world.
struct ProgramParts {
    std::function<std::unique_ptr<ScreenSaverLauncher>(const std::string& commandLine)>
        makeLauncher;
    std::function<void()> loadConfiguration;
    std::function<void()> saveConfiguration;
    GraphicsProbe probeDirectX;
    SilentErrorTest isSilent = isSilentError;
    // What gives the display and the cursor back when the program dies abnormally.
    std::function<void()> runAbnormalTerminationActions;
};

// The configuration store of the current user (falling back to the machine's for loading).
ProgramParts standardProgramParts();

// The product caption: the display name and the version.
std::string productCaption();

inline constexpr const char* productVersion = "2.2.17";
inline constexpr const char* helpFileName = "Pluvo Screensaver.chm";

// Installs the error hooks, prepares the process, loads the configuration, runs the mode the
// command line asks for and saves the configuration. An error is reported once and nothing is
// saved after it. Returns exitSuccess, or exitFailure after an error.
int runProgram(const std::string& commandLineText, const ProgramParts& parts, Reporter& reporter);
