#pragma once

#include <QLabel>
#include <cstdint>

// A JPEG picture that the program carries, shown at its own size.
class StaticPictureControl : public QLabel {
    Q_OBJECT

public:
    // Throws Resources::ResourceNotFoundError when the program carries no such picture.
    StaticPictureControl(QWidget* parent, int32_t resourceId);
};
