#include "saver/FrameFaultCheck.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

FrameFaultCheck::FrameFaultCheck() {
    if (const char* frames = std::getenv("PLUVO_CHECK_FAULT_FRAMES")) {
        frames_ = std::strtol(frames, nullptr, 10);
    }
}

bool FrameFaultCheck::isDue(uint32_t presentedFrames) const {
    return frames_ >= 0 && presentedFrames >= frames_;
}

void FrameFaultCheck::fault() const {
    const std::size_t size = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    void* page = ::mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page != MAP_FAILED) {
        *static_cast<volatile int*>(page) = 1;
    }
}
