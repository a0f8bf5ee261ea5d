#include "app/ProgramEntry.h"

#include "app/ErrorGuard.h"
#include "options/Configuration.h"
#include "platform/Rand15.h"
#include "resources/Strings.h"
#include "resources/UnitStrings.h"

#include <ctime>

namespace {

constexpr uint32_t productNameText = 1;

void seedRandomFromCalendarTime() {
    seedRand15(static_cast<uint32_t>(std::time(nullptr)));
}

void giveUnitsTheirStringBases() {
    Resources::setUnitStringBase(Resources::StringUnit::DirectX, Resources::directXStringBase);
    Resources::setUnitStringBase(Resources::StringUnit::Installer, Resources::installerStringBase);
    Resources::setUnitStringBase(Resources::StringUnit::Vantic, Resources::vanticStringBase);
}

} // namespace

ProgramParts standardProgramParts() {
    ProgramParts parts;
    parts.loadConfiguration = [] { Configuration::load(); };
    parts.saveConfiguration = [] { Configuration::save(true); };
    return parts;
}

std::string productCaption() {
    return Resources::loadString(productNameText) + " " + productVersion;
}

int runProgram(const std::string& commandLineText, const ProgramParts& parts, Reporter& reporter) {
    ErrorGuard guard(reporter, parts.probeDirectX, parts.isSilent);
    guard.run([&] {
        seedRandomFromCalendarTime();
        guard.setProductCaption(productCaption());
        giveUnitsTheirStringBases();
        parts.loadConfiguration();
        {
            const std::unique_ptr<ScreenSaverLauncher> launcher =
                parts.makeLauncher(commandLineText);
            launcher->run();
        }
        parts.saveConfiguration();
    });
    return 0;
}
