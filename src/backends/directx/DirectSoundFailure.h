#pragma once

#include "display/DX5Error.h"

#include <windows.h>

namespace DSound {

// Success codes other than DS_OK say something about how the call was carried out, not that it
// failed.
inline void throwOnFailure(HRESULT result) {
    if (FAILED(result)) {
        throw DX5::Error(static_cast<int32_t>(result));
    }
}

} // namespace DSound
