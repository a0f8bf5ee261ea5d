#include "app/windows/SystemDialogReporter.h"

#include "backends/user32/VerboseErrorDialog.h"
#include "backends/win32/WideText.h"

#include <windows.h>

void SystemDialogReporter::showDetailedReport(const std::string& title, const std::string& message,
                                              const std::string& text) {
    User32::VerboseErrorDialog::show({title, message, text});
}

void SystemDialogReporter::showError(const std::string& title, const std::string& text) {
    MessageBoxW(nullptr, Win32::wide(text).c_str(), Win32::wide(title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

// Whoever started the saver may keep what it writes to the debugger's output.
void SystemDialogReporter::noteSilentEnd(const std::string& title, const std::string& text) {
    OutputDebugStringW(Win32::wide(title + ": " + text + "\n").c_str());
}
