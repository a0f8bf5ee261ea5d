#include "app/ProgramEntry.h"

#include "app/ErrorGuard.h"
#include "app/ProcessHooks.h"
#include "options/Configuration.h"
#include "platform/AbnormalTerminationQueue.h"
#include "platform/HelpNames.h"
#include "platform/Rand15.h"
#include "resources/Strings.h"
#include "resources/UnitStrings.h"

#include <ctime>

namespace {

constexpr uint32_t productNameText = 1;

void seedRandomFromCalendarTime() {
    seedRand15(static_cast<uint32_t>(std::time(nullptr)));
}

void setHelpFileNames() {
    HelpNames& names = processHelpNames();
    names.helpFile = helpFileName;
    names.contextHelpPrefix = std::string(helpFileName) + "::/context-help/";
}

void giveUnitsTheirStringBases() {
    Resources::setUnitStringBase(Resources::StringUnit::DirectX, Resources::directXStringBase);
    Resources::setUnitStringBase(Resources::StringUnit::Installer, Resources::installerStringBase);
    Resources::setUnitStringBase(Resources::StringUnit::Vantic, Resources::vanticStringBase);
    processHelpNames().topicPrefix = "Vantic/";
}

} // namespace

ProgramParts standardProgramParts() {
    ProgramParts parts;
    parts.loadConfiguration = [] { Configuration::load(); };
    parts.saveConfiguration = [] { Configuration::save(true); };
    parts.runAbnormalTerminationActions = [] { AbnormalTerminationQueue::processWide().runAll(); };
    return parts;
}

std::string productCaption() {
    return Resources::loadString(productNameText) + " " + productVersion;
}

int runProgram(const std::string& commandLineText, const ProgramParts& parts, Reporter& reporter) {
    ErrorGuard guard(reporter, parts.probeDirectX, parts.isSilent);
    const ProcessHooks hooks(guard, parts.runAbnormalTerminationActions);
    return guard.run([&] {
        seedRandomFromCalendarTime();
        guard.setProductCaption(productCaption());
        setHelpFileNames();
        giveUnitsTheirStringBases();
        parts.loadConfiguration();
        bool writeBack = true;
        {
            const std::unique_ptr<ScreenSaverLauncher> launcher =
                parts.makeLauncher(commandLineText);
            launcher->run();
            writeBack = launcher->writesConfigurationBack();
        }
        if (writeBack) {
            parts.saveConfiguration();
        }
    });
}
