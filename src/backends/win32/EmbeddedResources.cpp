#include "resources/EmbeddedResources.h"

#include "backends/win32/WideText.h"

#include <windows.h>

// The resources windres linked into the program, found by the system's resource functions.
namespace Resources {

namespace {

std::wstring typeName(std::string_view type) {
    return Win32::wide(type);
}

const wchar_t* systemType(std::string_view type, const std::wstring& named) {
    if (type == "RCDATA") {
        return RT_RCDATA;
    }
    if (type == "BITMAP") {
        return RT_BITMAP;
    }
    if (type == "ICON") {
        return RT_GROUP_ICON;
    }
    return named.c_str();
}

std::optional<Bytes> bytesOf(const wchar_t* name, std::string_view type) {
    const std::wstring named = typeName(type);
    const HMODULE program = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(program, name, systemType(type, named));
    if (found == nullptr) {
        return std::nullopt;
    }
    const HGLOBAL loaded = LoadResource(program, found);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return std::nullopt;
    }
    return Bytes(static_cast<const unsigned char*>(data), SizeofResource(program, found));
}

} // namespace

std::optional<Bytes> lookUp(std::string_view type, std::string_view name) {
    return bytesOf(Win32::wide(name).c_str(), type);
}

std::optional<Bytes> lookUp(std::string_view type, int32_t id) {
    if (id < 0 || id > 0xFFFF) {
        return std::nullopt;
    }
    return bytesOf(MAKEINTRESOURCEW(id), type);
}

} // namespace Resources
