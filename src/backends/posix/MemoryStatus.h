#pragma once

#include "errors/MemoryStatus.h"

#include <string_view>

namespace Posix {

// The physical-memory and swap figures of a /proc/meminfo text; the address space stays 0.
MemoryStatus memoryStatusFromMeminfo(std::string_view meminfo);

} // namespace Posix
