#include "installer/RemoveFolderAction.h"

#include "installer/FileRemoval.h"
#include "installer/InstallerTexts.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    return std::make_unique<RemoveFolderAction>(stream.readString());
}

const Persistence::ClassRegistration registration{RemoveFolderAction::streamClassId, read};

} // namespace

void RemoveFolderAction::execute(IProgressIndicator& progress) {
    progress.setText(text(Text::removingFolders));
    removeEmptyFolder(path_);
}

std::unique_ptr<IUninstallationAction> RemoveFolderAction::clone() const {
    return std::make_unique<RemoveFolderAction>(*this);
}

void RemoveFolderAction::write(Persistence::OutputStream& stream) const {
    stream.writeString(path_);
}

} // namespace Installer
