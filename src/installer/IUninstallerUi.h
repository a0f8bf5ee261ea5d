#pragma once

#include <string>

namespace Installer {

class IUninstallerScript;

// What the uninstaller shows a person: message boxes, and the wizard that runs the script.
class IUninstallerUi {
public:
    enum class Icon { Warning, Question, Error, Information };

    virtual ~IUninstallerUi() = default;
    virtual void showMessage(const std::string& text, const std::string& caption, Icon icon) = 0;
    // Yes and No, with the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
    // Runs the wizard over the script until it closes; the failed flag tells how the run went.
    virtual void runWizard(IUninstallerScript& script, const std::string& title) = 0;
};

} // namespace Installer
