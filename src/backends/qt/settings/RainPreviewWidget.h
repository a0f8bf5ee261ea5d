#pragma once

#include "images/Bitmap.h"
#include "scene/FrameLoop.h"
#include "scene/FramePacing.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

class IDropSystemOptions;
class IMillisecondClock;

namespace Scene {
class RainScene;
class SceneSurfaces;
} // namespace Scene

// The rain at a small size over a picture of the desktop, beside the settings pages. It runs the
// preview's drops-only scene into a 24-bit picture that Qt paints directly, on the frame loop
// that its timer drives, and starts again whenever the drop settings it shows change.
class RainPreviewWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int previewWidth = 200;
    static constexpr int previewHeight = 150;
    static constexpr int frameMilliseconds = Scene::FramePacing::livePreviewPeriod;

    // The options and the clock must outlive the widget.
    RainPreviewWidget(const IDropSystemOptions& options, IMillisecondClock& clock,
                      QWidget* parent = nullptr);
    ~RainPreviewWidget() override;

    // Drops the rain on the glass and starts over with the options as they are now.
    void restart();
    // One step of the drops, as the timer does it.
    void frame();
    int restarts() const { return restarts_; }
    // The picture shown now.
    const QImage& picture() const { return picture_; }

    // The desktop scaled to the preview's size; a plain evening sky where it cannot be read.
    static Graphics::Bitmap desktopPicture();

    QSize sizeHint() const override { return {previewWidth + 2, previewHeight + 2}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const IDropSystemOptions& options_;
    IMillisecondClock& clock_;
    Graphics::Bitmap background_;
    class Presenter;

    // The scene holds the surfaces, so it is declared after them.
    std::unique_ptr<Scene::SceneSurfaces> surfaces_;
    std::unique_ptr<Scene::RainScene> scene_;
    Scene::FrameLoop loop_;
    QImage picture_;
    QTimer timer_;
    int restarts_ = 0;
};
