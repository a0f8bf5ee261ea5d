#include "app/CommandLine.h"
#include "app/ProgramEntry.h"
#include "app/StreamReporter.h"
#include "app/windows/SystemDialogReporter.h"
#include "app/windows/WindowsLauncher.h"
#include "backends/directx/DirectXVersion.h"
#include "backends/win32/WideText.h"
#include "options/Configuration.h"
#include "platform/StartupTrace.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <windows.h>
// clang-format off
#include <mmsystem.h>
#include <objbase.h>
// clang-format on

namespace {

// What follows the program's name on the command line, which the launcher reads as one text.
std::string commandLineText() {
    const wchar_t* text = GetCommandLineW();
    bool quoted = false;
    for (; *text != L'\0'; ++text) {
        if (*text == L'"') {
            quoted = !quoted;
        } else if (!quoted && (*text == L' ' || *text == L'\t')) {
            break;
        }
    }
    while (*text == L' ' || *text == L'\t') {
        ++text;
    }
    return Win32::narrow(text);
}

// The checks keep the report on standard error: a modal dialog would wait for a user.
std::unique_ptr<Reporter> makeReporter() {
    const char* choice = std::getenv("PLUVO_REPORT");
    if (choice != nullptr && std::string(choice) == "stderr") {
        return std::make_unique<StreamReporter>(std::cerr);
    }
    return std::make_unique<SystemDialogReporter>();
}

// Removing the product must not depend on settings that may never have been stored, or that
// an earlier, interrupted removal took away.
bool isUninstall(const std::string& text) {
    const RunMode mode = CommandLine::parse(text, std::nullopt).mode;
    return mode == RunMode::UninstallHandOver || mode == RunMode::Uninstall;
}

void loadConfigurationOrDefaults() {
    try {
        Configuration::load();
    } catch (const Configuration::NotFoundError&) {
        Configuration::useDefaults();
    }
}

GraphicsVersion probeDirectX() {
    const DDraw::DirectXVersion found = DDraw::detectDirectXVersion();
    return {found.version, found.reason};
}

// DirectDraw is made through COM, and the frame timer's ticks are only as fine as the system's
// timer period.
class SystemServices {
public:
    SystemServices() : comStarted_(SUCCEEDED(CoInitialize(nullptr))) { timeBeginPeriod(1); }
    ~SystemServices() {
        timeEndPeriod(1);
        if (comStarted_) {
            CoUninitialize();
        }
    }
    SystemServices(const SystemServices&) = delete;
    SystemServices& operator=(const SystemServices&) = delete;

private:
    bool comStarted_;
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StartupTrace::begin();
    const SystemServices services;
    ProgramParts parts = standardProgramParts();
    parts.makeLauncher = [](const std::string& text) -> std::unique_ptr<ScreenSaverLauncher> {
        return std::make_unique<WindowsLauncher>(text, probeDirectX);
    };
    parts.probeDirectX = probeDirectX;
    const std::string text = commandLineText();
    if (isUninstall(text)) {
        parts.loadConfiguration = loadConfigurationOrDefaults;
    }
    const std::unique_ptr<Reporter> reporter = makeReporter();
    return runProgram(text, parts, *reporter);
}
