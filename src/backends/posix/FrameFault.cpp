#include "checks/FrameFaultCheck.h"

#include <sys/mman.h>
#include <unistd.h>

void FrameFaultCheck::fault() const {
    const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    void* page = ::mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page != MAP_FAILED) {
        *static_cast<volatile int*>(page) = 1;
    }
}
