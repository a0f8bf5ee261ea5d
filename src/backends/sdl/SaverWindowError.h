#pragma once

#include "errors/BasicError.h"

#include <string>

namespace Sdl {

// The saver window could not be set up; the text gives the window system's reason.
class SaverWindowError : public BasicError {
public:
    using BasicError::BasicError;

    // For the SDL call that just failed: "Could not <action>: <SDL's reason>".
    static SaverWindowError fromSdl(const std::string& action);
};

} // namespace Sdl
