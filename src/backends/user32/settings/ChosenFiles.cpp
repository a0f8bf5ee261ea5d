#include "backends/user32/settings/ChosenFiles.h"

#include "backends/win32/WideText.h"

#include <cwchar>

namespace User32 {

namespace {

// A folder at the root of a drive already ends in a backslash.
std::wstring joined(const std::wstring& folder, const wchar_t* name) {
    if (!folder.empty() && folder.back() == L'\\') {
        return folder + name;
    }
    return folder + L'\\' + name;
}

} // namespace

std::vector<std::string> chosenFiles(const wchar_t* buffer) {
    std::vector<std::string> paths;
    const std::wstring first = buffer;
    if (first.empty()) {
        return paths;
    }
    const wchar_t* name = buffer + first.size() + 1;
    if (*name == L'\0') {
        paths.push_back(Win32::narrow(first));
        return paths;
    }
    for (; *name != L'\0'; name += std::wcslen(name) + 1) {
        paths.push_back(Win32::narrow(joined(first, name)));
    }
    return paths;
}

} // namespace User32
