#pragma once

#include <windows.h>

namespace User32 {

// The controls a page makes of its own are laid out in the page's template as static
// placeholders, which they replace.
namespace PlaceholderWindow {

// A child window of the class made in place of the placeholder control of dialog: the same id,
// rectangle, font and place in the tab order. The placeholder is destroyed, so that the page
// finds the new control by the id. creationData reaches WM_NCCREATE and WM_CREATE. Throws
// VerboseError when the placeholder is missing or the window cannot be made.
HWND replace(HWND dialog, int placeholderId, const wchar_t* windowClass, const wchar_t* title,
             DWORD style, void* creationData);

} // namespace PlaceholderWindow

} // namespace User32
