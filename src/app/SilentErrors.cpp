#include "app/SilentErrors.h"

#include "display/DX5Error.h"

bool isSilentError(const std::exception& error) {
    return dynamic_cast<const DX5::UnsupportedVideoModeError*>(&error) != nullptr;
}
