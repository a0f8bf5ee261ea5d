#include "checks/FrameFaultCheck.h"

#include <windows.h>

void FrameFaultCheck::fault() const {
    void* page = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_NOACCESS);
    if (page != nullptr) {
        *static_cast<volatile int*>(page) = 1;
    }
}
