#include "app/windows/MessageBoxReporter.h"

#include "backends/win32/WideText.h"

#include <windows.h>

namespace {

void showMessage(const std::string& title, const std::string& text) {
    MessageBoxW(nullptr, Win32::wide(text).c_str(), Win32::wide(title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace

// Until the report has its dialog, the message box carries the whole copyable text under the
// error's own.
void MessageBoxReporter::showDetailedReport(const std::string& title, const std::string& message,
                                            const std::string& text) {
    showMessage(title, message + "\r\n\r\n" + text);
}

void MessageBoxReporter::showError(const std::string& title, const std::string& text) {
    showMessage(title, text);
}

// Whoever started the saver may keep what it writes to its standard error.
void MessageBoxReporter::noteSilentEnd(const std::string& title, const std::string& text) {
    OutputDebugStringW(Win32::wide(title + ": " + text + "\n").c_str());
}
