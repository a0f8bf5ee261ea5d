#include "installer/setup/ScriptFile.h"

#include "installer/setup/SetupError.h"
#include "platform/FileReplacement.h"

#include <filesystem>
#include <sstream>

namespace Installer {

void writeScriptFile(const std::string& path, const DefaultUninstallerScript& script) {
    std::ostringstream stream;
    script.writeTo(stream);

    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    int code = error.value();
    if (code == 0) {
        code = replaceFile(path, stream.str());
    }
    if (code != 0) {
        throw SetupError("cannot write the uninstall script " + path + ": " + fileErrorText(code));
    }
}

} // namespace Installer
