#pragma once

#include <string>
#include <string_view>

namespace Win32 {

// The program's texts are UTF-8; the system's wide functions take UTF-16, which keeps every
// character whatever the user's code page.
std::wstring wide(std::string_view text);
std::string narrow(std::wstring_view text);

} // namespace Win32
