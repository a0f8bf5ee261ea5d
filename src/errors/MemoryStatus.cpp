#include "errors/MemoryStatus.h"

std::string memoryText(const MemoryStatus& status) {
    return std::to_string(status.availablePhysical >> 20) + "M/" +
           std::to_string(status.totalPhysical >> 20) + "M";
}
