#pragma once

#include "errors/VerboseError.h"

namespace Persistence {

// The root of the object streams' errors.
class Error : public VerboseError {
public:
    using VerboseError::VerboseError;
};

} // namespace Persistence
