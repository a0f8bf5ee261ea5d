#include "ui/RainPreviewWidget.h"

#include "saver/PreviewScene.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <cstring>

namespace {

constexpr int32_t largestDropRadius = 10;

Graphics::Bitmap toBitmap(const QImage& image) {
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    Graphics::Bitmap bitmap(bgr.width(), bgr.height());
    for (int y = 0; y < bgr.height(); ++y) {
        std::memcpy(bitmap.row(y), bgr.constScanLine(y), static_cast<std::size_t>(bgr.width()) * 3);
    }
    return bitmap;
}

QImage eveningSky() {
    QImage sky(RainPreviewWidget::previewWidth, RainPreviewWidget::previewHeight,
               QImage::Format_RGB32);
    QPainter painter(&sky);
    QLinearGradient gradient(0, 0, 0, sky.height());
    gradient.setColorAt(0, QColor(0x1B, 0x2A, 0x49));
    gradient.setColorAt(0.7, QColor(0x4F, 0x6D, 0x9A));
    gradient.setColorAt(1, QColor(0xC9, 0x8B, 0x5A));
    painter.fillRect(sky.rect(), gradient);
    return sky;
}

} // namespace

RainPreviewWidget::RainPreviewWidget(const IDropSystemOptions& options, IMillisecondClock& clock,
                                     QWidget* parent)
    : QWidget(parent), options_(options), clock_(clock), background_(desktopPicture()) {
    setObjectName("rainPreview");
    setFixedSize(sizeHint());
    setWhatsThis(tr("雨在桌面上的样子。改变雨滴页上的设置时，预览会重新开始。"));
    connect(&timer_, &QTimer::timeout, this, &RainPreviewWidget::frame);
    restart();
    timer_.start(frameMilliseconds);
}

RainPreviewWidget::~RainPreviewWidget() = default;

Graphics::Bitmap RainPreviewWidget::desktopPicture() {
    QImage desktop;
    if (QScreen* screen = QGuiApplication::primaryScreen();
        screen != nullptr && QGuiApplication::platformName() != "offscreen") {
        desktop = screen->grabWindow(0).toImage();
    }
    if (desktop.isNull()) {
        desktop = eveningSky();
    }
    return toBitmap(desktop.scaled(previewWidth, previewHeight, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation));
}

void RainPreviewWidget::restart() {
    scene_ = std::make_unique<PreviewScene>(background_, largestDropRadius, options_, clock_);
    const PixelBufferDesc& shown = scene_->destinationDescription();
    picture_ = QImage(static_cast<const uchar*>(shown.pixels), shown.width, shown.height,
                      shown.pitch, QImage::Format_BGR888);
    ++restarts_;
    update();
}

void RainPreviewWidget::frame() {
    scene_->frame();
    for (const auto& area : scene_->changedArea().rects()) {
        update(area.left + 1, area.top + 1, area.right - area.left, area.bottom - area.top);
    }
}

void RainPreviewWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(1, 1, picture_);
}
