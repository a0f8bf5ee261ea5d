#include "backends/qt/uninstaller/WizardPictures.h"

#include "resources/EmbeddedResources.h"

#include <QApplication>
#include <QStyle>

namespace Installer {

namespace {

QPixmap embeddedPicture(const char* type, const char* name, const char* format) {
    const Resources::Bytes bytes = Resources::findResource(type, name);
    QPixmap picture;
    picture.loadFromData(bytes.data(), static_cast<uint>(bytes.size()), format);
    return picture;
}

int iconSize(QStyle::PixelMetric metric) {
    return QApplication::style()->pixelMetric(metric);
}

} // namespace

QIcon WizardPictures::windowIcon() {
    const QPixmap picture = embeddedPicture("ICON", iconName, "ICO");
    QIcon icon;
    for (const int size :
         {iconSize(QStyle::PM_LargeIconSize), iconSize(QStyle::PM_SmallIconSize)}) {
        icon.addPixmap(picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return icon;
}

QPixmap WizardPictures::headerGraphic() {
    return embeddedPicture("BITMAP", headerGraphicName, "BMP");
}

} // namespace Installer
