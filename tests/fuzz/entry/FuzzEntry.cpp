// libFuzzer's entry point for one target; the build names the target with PLUVO_FUZZ_TARGET.
#include "FuzzTargets.h"
#include "errors/VerboseError.h"
#include "images/Bitmap.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    VerboseError::setDiagnosticsCollected(false);
    Graphics::Bitmap::setLargestByteCount(std::size_t{16} << 20);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return FuzzTargets::PLUVO_FUZZ_TARGET(data, size);
}
