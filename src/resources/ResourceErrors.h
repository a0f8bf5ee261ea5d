#pragma once

#include "errors/VerboseError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Resources {

// The root of the errors raised while reading the program's built-in resources.
class Error : public VerboseError {
public:
    // framesToSkip: constructors of derived errors above this one to leave out of the call stack.
    explicit Error(std::string message, int framesToSkip = 0);
};

class ResourceNotFoundError : public Error {
public:
    explicit ResourceNotFoundError(std::string_view name);
    explicit ResourceNotFoundError(int32_t id);
};

class StringNotFoundError : public Error {
public:
    explicit StringNotFoundError(uint32_t id);

    uint32_t id() const { return id_; }

private:
    uint32_t id_;
};

} // namespace Resources
