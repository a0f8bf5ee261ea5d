#pragma once

#include "errors/BasicError.h"

namespace Installer {

// Input that registration cannot use, or a hive it cannot write; the text is one line for the
// person who ran the install.
class SetupError : public BasicError {
public:
    using BasicError::BasicError;
};

} // namespace Installer
