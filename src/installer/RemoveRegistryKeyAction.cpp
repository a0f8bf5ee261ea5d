#include "installer/RemoveRegistryKeyAction.h"

#include "installer/InstallerTexts.h"
#include "installer/RegistryRoots.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    const uint32_t root = stream.readUInt32();
    return std::make_unique<RemoveRegistryKeyAction>(root, stream.readString());
}

const Persistence::ClassRegistration registration{RemoveRegistryKeyAction::streamClassId, read};

} // namespace

void RemoveRegistryKeyAction::execute(IProgressIndicator& progress) {
    progress.setText(text(Text::removingRegistryData));
    if (const auto store = RegistryRoots::storeFor(rootKey_)) {
        store->deleteKeyWithoutSubkeys(subkey_);
    }
}

std::unique_ptr<IUninstallationAction> RemoveRegistryKeyAction::clone() const {
    return std::make_unique<RemoveRegistryKeyAction>(*this);
}

void RemoveRegistryKeyAction::write(Persistence::OutputStream& stream) const {
    stream.writeUInt32(rootKey_);
    stream.writeString(subkey_);
}

} // namespace Installer
