#include "errors/VerboseError.h"

// Placeholder until the diagnostics are written: no call stack, no memory figures.
VerboseError::VerboseError(std::string message, int) : BasicError(std::move(message)) {}

VerboseError::VerboseError(std::string message, std::string details)
    : BasicError(std::move(message)), details_(std::move(details)) {}
