#pragma once

#include <string>

// What the uninstall hand-over asks of the system: this program's own file, a new temporary file
// for its copy, and starting that copy. The platform's back end defines them.

// The full path of the running program's file; empty when the system does not tell.
std::string ownProgramPath();

// A new, empty file of ours in the temporary folder whose name starts with prefix, so that no
// other program can slip its own file in under the name before the copy is made. Raises
// BasicError naming the folder and the system's reason.
std::string createTemporaryFile(const std::string& prefix);

// Starts program with the argument text as its command line and does not wait for it; a
// program that cannot start is left for the user to notice (nothing happens).
void startDetached(const std::string& program, const std::string& arguments);
