#include "resources/ResourceErrors.h"

namespace Resources {

namespace {

constexpr std::string_view resourceNotFoundText = "Resource not found, resource id: ";

std::string resourceNotFoundMessage(std::string_view id) {
    return std::string(resourceNotFoundText).append(id);
}

} // namespace

// Each constructor below adds its own frame, hence the extra frame handed down.
Error::Error(std::string message, int framesToSkip)
    : VerboseError(std::move(message), framesToSkip + 1) {}

ResourceNotFoundError::ResourceNotFoundError(std::string_view name)
    : Error(resourceNotFoundMessage(name), 1) {}

ResourceNotFoundError::ResourceNotFoundError(int32_t id)
    : Error(resourceNotFoundMessage(std::to_string(id)), 1) {}

StringNotFoundError::StringNotFoundError(uint32_t id)
    : Error("String resource not found. Requested ID: " + std::to_string(id), 1), id_(id) {}

} // namespace Resources
