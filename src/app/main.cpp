#include "app/DialogReporter.h"
#include "app/PluvoSSLauncher.h"
#include "app/ProgramEntry.h"
#include "display/GraphicsLayerVersion.h"
#include "platform/StartupTrace.h"
#include "saver/PluvoScreenSaver.h"

#include <iostream>
#include <malloc.h>
#include <string>

namespace {

// The launcher reads one command-line text, as the saver machinery passes it; arguments are
// joined back with blanks so that a quoted path handed over in one argument stays intact.
std::string commandLineText(int argc, char** argv) {
    std::string text;
    for (int index = 1; index < argc; ++index) {
        if (index > 1) {
            text += ' ';
        }
        text += argv[index];
    }
    return text;
}

PluvoSSLauncher::SaverRunner productSaver() {
    return [](bool windowed) { return PluvoScreenSaver(false, windowed).run(); };
}

// The report's "DX:" line names the graphics layer the saver draws through.
DirectXVersion probeGraphicsLayer() {
    const GraphicsLayerVersion layer = detectGraphicsLayerVersion();
    if (!layer.videoWorks()) {
        return {0, layer.reason};
    }
    return {layer.major * 256 + layer.minor, ""};
}

} // namespace

int main(int argc, char** argv) {
    StartupTrace::begin();
    // The saver frees a screen-sized desktop picture once it is shown. glibc would raise its
    // threshold for serving large blocks from the heap after the first one is freed, and later
    // frame buffers freed from the heap stay resident; a fixed threshold gives them back.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    ProgramParts parts = standardProgramParts();
    parts.makeLauncher = [](const std::string& text) -> std::unique_ptr<ScreenSaverLauncher> {
        auto launcher = std::make_unique<PluvoSSLauncher>(text, productSaver(), std::cerr);
        launcher->setSettingsRunner(PluvoSSLauncher::productSettings());
        return launcher;
    };
    parts.probeDirectX = probeGraphicsLayer;
    DialogReporter reporter(std::cerr);
    return runProgram(commandLineText(argc, argv), parts, reporter);
}
