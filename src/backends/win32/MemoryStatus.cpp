#include "errors/MemoryStatus.h"

#include <windows.h>

MemoryStatus currentMemoryStatus() {
    MEMORYSTATUSEX system{};
    system.dwLength = sizeof system;
    GlobalMemoryStatusEx(&system);
    MemoryStatus status;
    status.memoryLoad = system.dwMemoryLoad;
    status.totalPhysical = system.ullTotalPhys;
    status.availablePhysical = system.ullAvailPhys;
    status.totalPageFile = system.ullTotalPageFile;
    status.availablePageFile = system.ullAvailPageFile;
    status.totalVirtual = system.ullTotalVirtual;
    status.availableVirtual = system.ullAvailVirtual;
    return status;
}
