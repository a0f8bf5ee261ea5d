#include "installer/ChildProcess.h"

#include "backends/win32/WideText.h"

#include <windows.h>

namespace Installer {

namespace {

// The quoting the C runtime's argument parser undoes: backslashes are literal except before a
// double quote, where they and the quote are escaped.
std::wstring quoted(const std::wstring& word) {
    if (!word.empty() && word.find_first_of(L" \t\"") == std::wstring::npos) {
        return word;
    }
    std::wstring result = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        const std::size_t repeat = c == L'"' ? backslashes * 2 + 1 : backslashes;
        result.append(repeat, L'\\');
        backslashes = 0;
        result += c;
    }
    result.append(backslashes * 2, L'\\');
    return result + L"\"";
}

} // namespace

bool runAndWait(const std::vector<std::string>& words) {
    if (words.empty()) {
        return false;
    }
    std::wstring commandLine;
    for (const std::string& word : words) {
        if (!commandLine.empty()) {
            commandLine += L' ';
        }
        commandLine += quoted(Win32::wide(word));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace Installer
