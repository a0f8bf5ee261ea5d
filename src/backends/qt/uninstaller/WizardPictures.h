#pragma once

#include <QIcon>
#include <QPixmap>

namespace Installer {

// The wizard's pictures, built into the program.
class WizardPictures {
public:
    static constexpr const char* iconName = "IDI_INSTALLER_WIZARD_ICON";
    static constexpr const char* headerGraphicName = "IDB_INSTALLER_WIZARD_HEADER_GRAPHIC";

    // The window icon at the large and the small icon size.
    static QIcon windowIcon();
    static QPixmap headerGraphic();
};

} // namespace Installer
