#pragma once

// DirectSound's declarations take the wave formats, which the lean Windows headers leave out.
// Each header needs the one above it; the comments between them keep them in this order.
#include <windows.h>
// The wave formats.
#include <mmsystem.h>
// DirectSound.
#include <dsound.h>
