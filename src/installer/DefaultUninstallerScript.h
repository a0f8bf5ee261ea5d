#pragma once

#include "installer/IScript.h"
#include "persistence/IStreamableObject.h"

#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace Installer {

// The script an install leaves behind: two texts of the installer's and the actions that undo
// the install, in the order they run.
class DefaultUninstallerScript : public IUninstallerScript, public Persistence::IStreamableObject {
public:
    static constexpr Persistence::ClassId streamClassId = Persistence::makeClassId(
        0xDE46401E, 0x609B, 0x4226, {0x9B, 0x64, 0x8B, 0xF8, 0x92, 0xAE, 0x61, 0xE1});

    DefaultUninstallerScript(std::string firstText, std::string secondText, ActionList actions);

    // Reads one object from the stream's bytes; the stream's errors for damaged bytes, and an
    // error as well when the object is not a script.
    static std::unique_ptr<DefaultUninstallerScript> readFrom(std::istream& bytes);
    // Reads the file; a file that cannot be opened is an error naming it.
    static std::unique_ptr<DefaultUninstallerScript> readFile(const std::string& path);
    void writeTo(std::ostream& bytes) const;

    std::string firstText() const override { return firstText_; }
    std::string secondText() const override { return secondText_; }
    ActionList actions() const override;
    bool failed() const override { return failed_; }
    void setFailed(bool failed) override { failed_ = failed; }

    std::size_t actionCount() const { return actions_.size(); }
    const IUninstallationAction& action(std::size_t index) const { return *actions_[index]; }

    const Persistence::ClassId& classId() const override { return streamClassId; }
    void write(Persistence::OutputStream& stream) const override;

    // Equal texts and equal actions in the same order; the failed flag is not compared.
    bool operator==(const DefaultUninstallerScript& other) const;

private:
    std::string firstText_;
    std::string secondText_;
    ActionList actions_;
    bool failed_ = false;
};

// Whether two actions are of the same class with the same fields.
bool sameAction(const IUninstallationAction& a, const IUninstallationAction& b);

} // namespace Installer
