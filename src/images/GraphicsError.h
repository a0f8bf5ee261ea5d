#pragma once

#include "errors/BasicError.h"

#include <string>

namespace Graphics {

// A picture could not be made: its file is damaged, of a kind we do not read, or too large.
class Error : public BasicError {
public:
    using BasicError::BasicError;
};

// The picture's file is not there (or cannot be opened). The scene tells the user which file
// it was, so that it can be taken off the wallpaper list.
class FileNotFoundError : public Error {
public:
    using Error::Error;
};

} // namespace Graphics
