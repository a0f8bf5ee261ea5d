#include "platform/FileReplacement.h"

#include "backends/win32/WideText.h"

#include <algorithm>
#include <windows.h>

namespace {

class NewFile {
public:
    explicit NewFile(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~NewFile() { close(); }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        const bool closed = !isOpen() || CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        DWORD count = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        if (WriteFile(file, bytes.data() + written, chunk, &count, nullptr) == 0) {
            return false;
        }
        written += count;
    }
    return FlushFileBuffers(file) != 0;
}

} // namespace

int replaceFile(const std::filesystem::path& path, const std::string& bytes) {
    const std::wstring temporary = path.wstring() + L".new";
    DeleteFileW(temporary.c_str());
    NewFile file(temporary);
    if (!file.isOpen()) {
        return static_cast<int>(GetLastError());
    }
    if (!writeAll(file.get(), bytes) || !file.close() ||
        MoveFileExW(temporary.c_str(), path.wstring().c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        const auto code = static_cast<int>(GetLastError());
        file.close();
        DeleteFileW(temporary.c_str());
        return code;
    }
    return 0;
}

std::string fileErrorText(int code) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text != nullptr ? text : L"", length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
        message.pop_back();
    }
    return Win32::narrow(message) + " (error " + std::to_string(code) + ")";
}
