#include "backends/qt/settings/StaticPictureControl.h"

#include "resources/EmbeddedResources.h"

#include <QImage>
#include <QPixmap>

StaticPictureControl::StaticPictureControl(QWidget* parent, int32_t resourceId) : QLabel(parent) {
    const Resources::Bytes bytes = Resources::findResource("RCDATA", resourceId);
    QImage picture;
    picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "JPEG");
    setPixmap(QPixmap::fromImage(picture));
    setFrameShape(QFrame::StyledPanel);
}
