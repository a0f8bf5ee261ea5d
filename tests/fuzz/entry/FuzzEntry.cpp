// libFuzzer's entry point for one target; the build names the target with PLUVO_FUZZ_TARGET.
#include "FuzzTargets.h"
#include "errors/VerboseError.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    VerboseError::setDiagnosticsCollected(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return FuzzTargets::PLUVO_FUZZ_TARGET(data, size);
}
