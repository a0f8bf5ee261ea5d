#pragma once

#include <string>
#include <vector>

namespace User32 {

// The full paths in the buffer of the system's open-file dialog with multiple selection: one
// full path when a single file was chosen, otherwise the folder followed by the files' names;
// each ends in a null character and the list in a second one.
std::vector<std::string> chosenFiles(const wchar_t* buffer);

} // namespace User32
