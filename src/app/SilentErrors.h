#pragma once

#include <exception>
#include <functional>

// Whether an error ends the program without any report: the display cannot be driven in the
// mode the saver needs, which the user has already seen as a blank moment.
bool isSilentError(const std::exception& error);

using SilentErrorTest = std::function<bool(const std::exception&)>;
