#include "app/PluvoSSLauncher.h"
#include "app/ProgramEntry.h"
#include "app/StreamReporter.h"
#include "display/GraphicsLayerVersion.h"
#include "saver/PluvoScreenSaver.h"

#include <iostream>
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
    ProgramParts parts = standardProgramParts();
    parts.makeLauncher = [](const std::string& text) -> std::unique_ptr<ScreenSaverLauncher> {
        return std::make_unique<PluvoSSLauncher>(text, productSaver(), std::cerr);
    };
    parts.probeDirectX = probeGraphicsLayer;
    StreamReporter reporter(std::cerr);
    return runProgram(commandLineText(argc, argv), parts, reporter);
}
