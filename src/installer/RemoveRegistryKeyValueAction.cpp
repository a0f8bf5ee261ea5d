#include "installer/RemoveRegistryKeyValueAction.h"

#include "installer/InstallerTexts.h"
#include "installer/RegistryRoots.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    const uint32_t root = stream.readUInt32();
    std::string subkey = stream.readString();
    return std::make_unique<RemoveRegistryKeyValueAction>(root, std::move(subkey),
                                                          stream.readString());
}

const Persistence::ClassRegistration registration{RemoveRegistryKeyValueAction::streamClassId,
                                                  read};

} // namespace

void RemoveRegistryKeyValueAction::execute(IProgressIndicator& progress) {
    progress.setText(text(Text::removingRegistryData));
    if (const auto store = RegistryRoots::storeFor(rootKey())) {
        store->deleteValue(subkey(), valueName_);
    }
}

std::unique_ptr<IUninstallationAction> RemoveRegistryKeyValueAction::clone() const {
    return std::make_unique<RemoveRegistryKeyValueAction>(*this);
}

void RemoveRegistryKeyValueAction::write(Persistence::OutputStream& stream) const {
    RemoveRegistryKeyAction::write(stream);
    stream.writeString(valueName_);
}

} // namespace Installer
