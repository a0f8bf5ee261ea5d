#include "app/PluvoSSLauncher.h"
#include "app/ProgramEntry.h"
#include "app/StreamReporter.h"

#if defined(PLUVO_HAS_SAVER) && __has_include("saver/PluvoScreenSaver.h")
#include "saver/PluvoScreenSaver.h"
#define PLUVO_RUNS_SAVER 1
#endif

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
#ifdef PLUVO_RUNS_SAVER
    return [](bool windowed) { return PluvoScreenSaver(false, windowed).run(); };
#else
    return {};
#endif
}

// The display layer has no version probe of its own yet.
DirectXVersion unprobedDirectX() {
    return {0, "no display probe"};
}

} // namespace

int main(int argc, char** argv) {
    ProgramParts parts = standardProgramParts();
    parts.makeLauncher = [](const std::string& text) -> std::unique_ptr<ScreenSaverLauncher> {
        return std::make_unique<PluvoSSLauncher>(text, productSaver(), std::cerr);
    };
    parts.probeDirectX = unprobedDirectX;
    StreamReporter reporter(std::cerr);
    return runProgram(commandLineText(argc, argv), parts, reporter);
}
