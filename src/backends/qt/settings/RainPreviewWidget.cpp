#include "backends/qt/settings/RainPreviewWidget.h"

#include "display/IScreenPresenter.h"
#include "display/MemoryFrontBuffer.h"
#include "scene/RainScene.h"
#include "scene/SceneSurfaces.h"

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

// The preview's front buffer, which Qt paints straight from where it lies for the scene's life.
class RainPreviewWidget::Presenter final : public Pixels::IScreenPresenter {
public:
    explicit Presenter(RainPreviewWidget& widget)
        : widget_(widget), memory_(previewWidth, previewHeight, Pixels::PixelFormat::rgb888()) {
        const Pixels::PixelView picture = memory_.view();
        widget_.picture_ = QImage(picture.pixels, picture.width, picture.height, picture.pitch,
                                  QImage::Format_BGR888);
    }

    Pixels::PixelView frontBuffer() override { return memory_.view(); }
    void show(std::span<const Pixels::PixelRect> areas) override {
        for (const Pixels::PixelRect& area : areas) {
            widget_.update(area.left + 1, area.top + 1, area.width(), area.height());
        }
    }
    void recreate() override {}

private:
    RainPreviewWidget& widget_;
    Pixels::MemoryFrontBuffer memory_;
};

RainPreviewWidget::RainPreviewWidget(const IDropSystemOptions& options, IMillisecondClock& clock,
                                     QWidget* parent)
    : QWidget(parent), options_(options), clock_(clock), background_(desktopPicture()),
      loop_([this] { scene_->frame(); }, Scene::FramePacing::periodic(), clock) {
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
    const Pixels::PixelFormat format = Pixels::PixelFormat::rgb888();
    scene_.reset();
    surfaces_ = std::make_unique<Scene::SceneSurfaces>(
        std::make_unique<Pixels::PrimarySurface>(std::make_unique<Presenter>(*this), previewWidth,
                                                 previewHeight, format, nullptr),
        std::make_unique<Pixels::PixelSurface>(previewWidth, previewHeight, format));
    scene_ = std::make_unique<Scene::RainScene>(*surfaces_, options_, largestDropRadius,
                                                background_, clock_);
    ++restarts_;
    update();
}

void RainPreviewWidget::frame() {
    loop_.runFrame();
}

void RainPreviewWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(1, 1, picture_);
}
