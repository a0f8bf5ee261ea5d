#pragma once

#include <string>
#include <sys/utsname.h>

namespace Posix {

// The report's kernel text from the fields uname gives.
std::string osVersionText(const utsname& system);

} // namespace Posix
