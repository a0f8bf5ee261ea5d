#pragma once

#include "installer/IUninstallerUi.h"

#include <cstdint>
#include <memory>
#include <string>

class ScreenSaverOptionsStorage;

// The program's dialogs, which live in a library of their own (the only part of the program
// built on Qt): the saver maps Qt and its many libraries only when a dialog is really shown.
struct DialogFunctions {
    // Changed whenever the table changes, so that a library left over from another build is
    // refused instead of called wrongly.
    static constexpr uint32_t currentVersion = 1;

    uint32_t version;
    void (*showDetailedReport)(const std::string& title, const std::string& message,
                               const std::string& reportText);
    void (*showErrorMessage)(const std::string& title, const std::string& text);
    void (*runSettings)(ScreenSaverOptionsStorage& options, bool soundAvailable,
                        int32_t parentWindow);
    // The uninstaller's message boxes and wizard; systemInformation heads its error reports.
    std::unique_ptr<Installer::IUninstallerUi> (*makeUninstallerUi)(
        const std::string& systemInformation);
};

// The library's one exported entry.
extern "C" const DialogFunctions* pluvo_dialog_functions();
