#include "installer/RemoveFileAction.h"

#include "installer/FileRemoval.h"
#include "installer/InstallerTexts.h"
#include "persistence/ClassRegistry.h"
#include "persistence/InputStream.h"
#include "persistence/OutputStream.h"

namespace Installer {
namespace {

std::unique_ptr<Persistence::IStreamableObject> read(Persistence::InputStream& stream) {
    return std::make_unique<RemoveFileAction>(stream.readString());
}

const Persistence::ClassRegistration registration{RemoveFileAction::streamClassId, read};

} // namespace

void RemoveFileAction::execute(IProgressIndicator& progress) {
    progress.setText(text(Text::removingFile, path_));
    removeFile(path_);
}

std::unique_ptr<IUninstallationAction> RemoveFileAction::clone() const {
    return std::make_unique<RemoveFileAction>(*this);
}

void RemoveFileAction::write(Persistence::OutputStream& stream) const {
    stream.writeString(path_);
}

} // namespace Installer
