#pragma once

#include "errors/VerboseError.h"

#include <string>

// The text of the detailed error report's copyable field: the system information, the message,
// the operating system and memory, the program's load address and the error's diagnostics.
std::string detailedReportText(const VerboseError& error, const std::string& systemInformation);
