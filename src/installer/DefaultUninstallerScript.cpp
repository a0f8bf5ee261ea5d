#include "installer/DefaultUninstallerScript.h"

#include "errors/BasicError.h"
#include "installer/ActionStreaming.h"
#include "installer/RemoveFileAction.h"
#include "installer/RemoveFolderAction.h"
#include "installer/RemoveRegistryKeyValueAction.h"
#include "installer/UnregisterServerAction.h"
#include "persistence/ClassRegistry.h"
#include "persistence/OutputStream.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    std::string first = stream.readString();
    std::string second = stream.readString();
    const uint32_t count = stream.readUInt32();
    ActionList actions;
    // Each action takes at least a record's header, so a damaged count runs out of bytes long
    // before it could exhaust memory.
    for (uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<Persistence::IStreamableObject> object = stream.readObject().release();
        auto* const action = dynamic_cast<IUninstallationAction*>(object.get());
        if (action == nullptr) {
            throw Persistence::InputStream::CouldNotRead();
        }
        object.release();
        actions.emplace_back(action);
    }
    return std::make_unique<DefaultUninstallerScript>(std::move(first), std::move(second),
                                                      std::move(actions));
}

const Persistence::ClassRegistration registration{DefaultUninstallerScript::streamClassId, read};

template <typename T> bool sameAs(const IUninstallationAction& a, const IUninstallationAction& b) {
    const auto* const first = dynamic_cast<const T*>(&a);
    const auto* const second = dynamic_cast<const T*>(&b);
    return first != nullptr && second != nullptr && *first == *second;
}

} // namespace

bool sameAction(const IUninstallationAction& a, const IUninstallationAction& b) {
    const auto* const streamableA = dynamic_cast<const Persistence::IStreamableObject*>(&a);
    const auto* const streamableB = dynamic_cast<const Persistence::IStreamableObject*>(&b);
    if (streamableA == nullptr || streamableB == nullptr ||
        streamableA->classId() != streamableB->classId()) {
        return false;
    }
    return sameAs<RemoveFileAction>(a, b) || sameAs<RemoveFolderAction>(a, b) ||
           sameAs<RemoveRegistryKeyValueAction>(a, b) ||
           (streamableA->classId() == RemoveRegistryKeyAction::streamClassId &&
            sameAs<RemoveRegistryKeyAction>(a, b)) ||
           sameAs<UnregisterServerAction>(a, b);
}

DefaultUninstallerScript::DefaultUninstallerScript(std::string firstText, std::string secondText,
                                                   ActionList actions)
    : firstText_(std::move(firstText)), secondText_(std::move(secondText)),
      actions_(std::move(actions)) {}

std::unique_ptr<DefaultUninstallerScript> DefaultUninstallerScript::readFrom(std::istream& bytes) {
    Persistence::InputStream stream(bytes);
    return readObjectOf<DefaultUninstallerScript>(stream);
}

std::unique_ptr<DefaultUninstallerScript>
DefaultUninstallerScript::readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        const int code = errno;
        throw BasicError("Cannot open the uninstall script " + path + ": " + std::strerror(code) +
                         " (" + std::to_string(code) + ")");
    }
    return readFrom(file);
}

void DefaultUninstallerScript::writeTo(std::ostream& bytes) const {
    Persistence::OutputStream stream(bytes);
    stream.writeObject(*this);
}

ActionList DefaultUninstallerScript::actions() const {
    ActionList copies;
    copies.reserve(actions_.size());
    for (const auto& action : actions_) {
        copies.push_back(action->clone());
    }
    return copies;
}

void DefaultUninstallerScript::write(Persistence::OutputStream& stream) const {
    stream.writeString(firstText_);
    stream.writeString(secondText_);
    stream.writeUInt32(static_cast<uint32_t>(actions_.size()));
    for (const auto& action : actions_) {
        stream.writeObject(dynamic_cast<const Persistence::IStreamableObject&>(*action));
    }
}

bool DefaultUninstallerScript::operator==(const DefaultUninstallerScript& other) const {
    if (firstText_ != other.firstText_ || secondText_ != other.secondText_ ||
        actions_.size() != other.actions_.size()) {
        return false;
    }
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (!sameAction(*actions_[i], *other.actions_[i])) {
            return false;
        }
    }
    return true;
}

} // namespace Installer
