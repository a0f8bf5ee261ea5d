#include "app/ProgramFiles.h"

#include "backends/win32/WideText.h"
#include "errors/BasicError.h"

#include <windows.h>

std::string ownProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return Win32::narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

// GetTempFileName makes the file, named with the first three characters of the prefix.
std::string createTemporaryFile(const std::string& prefix) {
    wchar_t folder[MAX_PATH + 1] = {};
    wchar_t name[MAX_PATH + 1] = {};
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 ||
        GetTempFileNameW(folder, Win32::wide(prefix).c_str(), 0, name) == 0) {
        throw BasicError("Cannot create a temporary file in " + Win32::narrow(folder) +
                         ": GetLastError() = " + std::to_string(GetLastError()));
    }
    return Win32::narrow(name);
}

// The program's name leads the command line, quoted, as a program expects to find it there.
void startDetached(const std::string& program, const std::string& arguments) {
    std::wstring commandLine = L"\"" + Win32::wide(program) + L"\" " + Win32::wide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(Win32::wide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                       nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
