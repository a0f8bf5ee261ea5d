#pragma once

#include "app/DialogFunctions.h"

#include <string>
#include <vector>

// Loads the dialogs' library the first time a dialog is wanted, and keeps it for the rest of the
// process. It is looked for beside the program (a build tree), then where an install puts it
// relative to the program's folder.
namespace DialogsLibrary {

// The file's name, as the build and the install make it.
inline constexpr const char* fileName = "libpluvo-dialogs.so";

// The program the library belongs to, when that is not the running file: the uninstaller's
// temporary copy runs from the temporary folder and names the installed program.
void belongsTo(const std::string& programPath);

// The folders looked in, in order.
std::vector<std::string> searchFolders();

// Throws BasicError, naming every place tried, when no usable library is found.
const DialogFunctions& functions();

} // namespace DialogsLibrary
