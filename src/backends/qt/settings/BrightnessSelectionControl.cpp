#include "backends/qt/settings/BrightnessSelectionControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int markerSize = 16;
constexpr int markerBand = 9;

} // namespace

BrightnessSelectionControl::BrightnessSelectionControl(QWidget* parent) : QWidget(parent) {
    setObjectName("brightness");
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(markerBand + 16);
}

void BrightnessSelectionControl::setValue(uint8_t value) {
    value_ = value;
    update();
}

QRect BrightnessSelectionControl::gradientArea() const {
    return rect().adjusted(markerSize / 2, 0, -markerSize / 2, -markerBand);
}

uint8_t BrightnessSelectionControl::valueAt(int x) const {
    const QRect area = gradientArea();
    const int value = static_cast<int>(255.0 * (x - area.left()) / area.width() + 0.5);
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

void BrightnessSelectionControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const QRect area = gradientArea();
    const int width = area.width();
    for (int column = 0; column < width; ++column) {
        const int grey = static_cast<int>(255.0 * column / width + 0.5);
        painter.setPen(QColor(grey, grey, grey));
        painter.drawLine(area.left() + column, area.top(), area.left() + column, area.bottom());
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
    drawMarker(painter, area);
}

// The marker points up at the chosen column, from the band under the strip.
void BrightnessSelectionControl::drawMarker(QPainter& painter, const QRect& area) const {
    const int centre = area.left() + area.width() * value_ / 255;
    const int top = area.bottom() + 1;
    const QPoint shape[] = {{centre, top},
                            {centre - markerSize / 2 + 2, top + markerBand - 1},
                            {centre + markerSize / 2 - 2, top + markerBand - 1}};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(hasFocus() ? palette().color(QPalette::Highlight)
                                : palette().color(QPalette::WindowText));
    painter.drawPolygon(shape, 3);
}

void BrightnessSelectionControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        tracking_ = true;
    }
}

void BrightnessSelectionControl::mouseMoveEvent(QMouseEvent* event) {
    if (tracking_) {
        setValue(valueAt(event->position().toPoint().x()));
    }
}

void BrightnessSelectionControl::mouseReleaseEvent(QMouseEvent* /*event*/) {
    tracking_ = false;
}

void BrightnessSelectionControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (tracking_) {
            tracking_ = false;
            return;
        }
        break;
    case Qt::Key_Left:
        setValue(static_cast<uint8_t>(std::max(0, value_ - 1)));
        return;
    case Qt::Key_Right:
        setValue(static_cast<uint8_t>(std::min(255, value_ + 1)));
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
