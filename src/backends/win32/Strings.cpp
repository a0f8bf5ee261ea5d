#include "resources/Strings.h"

#include "backends/win32/WideText.h"
#include "resources/ResourceErrors.h"

#include <windows.h>

namespace Resources {

// The wide loader returns the text as stored, whatever the user's code page; asked for no
// buffer, it points into the program's resources, so no text is ever cut short.
std::string loadString(uint32_t id) {
    const wchar_t* text = nullptr;
    const int length = id <= 0xFFFF ? LoadStringW(GetModuleHandleW(nullptr), id,
                                                  reinterpret_cast<LPWSTR>(&text), 0)
                                    : 0;
    if (length <= 0 || text == nullptr) {
        throw StringNotFoundError(id);
    }
    return Win32::narrow(std::wstring_view(text, static_cast<std::size_t>(length)));
}

} // namespace Resources
