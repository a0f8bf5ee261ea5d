#include "backends/qt/settings/WindDirectionControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

WindDirectionControl::WindDirectionControl(QWidget* parent) : QWidget(parent) {
    setObjectName("windDirection");
    setWindowTitle(tr("Wind direction"));
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // Wide enough to turn through its half circle, low enough that the arrow fits below the pivot.
    setFixedSize(112, 64);
}

void WindDirectionControl::setAngle(float radians) {
    if (radians != angle_) {
        angle_ = radians;
        update();
        emit angleChanged(angle_);
    }
}

void WindDirectionControl::setLimits(double lower, double upper) {
    lower_ = lower;
    upper_ = upper;
}

QPoint WindDirectionControl::pivot() const {
    return {width() / 2, 0};
}

float WindDirectionControl::angleAt(QPoint position) const {
    const QPoint centre = pivot();
    double result = std::numbers::pi / 2;
    if (position.x() != centre.x()) {
        result = std::atan2(position.y() - centre.y(), centre.x() - position.x());
    }
    // Above the pivot the right half turns to the upper limit and the left half to the lower.
    if (result > upper_ || result < -std::numbers::pi / 2) {
        result = upper_;
    } else if (result < lower_) {
        result = lower_;
    }
    return static_cast<float>(result);
}

QPoint WindDirectionControl::arrowPoint(double x, double y) const {
    const QPoint centre = pivot();
    const double cosine = std::cos(angle_);
    const double sine = std::sin(angle_);
    return {static_cast<int>(centre.x() - (x * cosine - y * sine)),
            static_cast<int>(centre.y() + (x * sine + y * cosine))};
}

void WindDirectionControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const int longest = std::max(width(), height());
    const int pivotRadius = static_cast<int>(0.07 * longest);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(pivot(), pivotRadius, pivotRadius);

    const double r = longest / 2;
    const QPoint tip = arrowPoint(r, 0);
    painter.setPen(QPen(ink, 2));
    painter.drawLine(pivot(), tip);
    painter.drawLine(tip, arrowPoint(0.8 * r, -0.05 * r));
    painter.drawLine(tip, arrowPoint(0.8 * r, 0.05 * r));
    if (hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void WindDirectionControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setAngle(angleAt(event->position().toPoint()));
    }
}

// Qt keeps sending moves to the pressed widget until the button is released.
void WindDirectionControl::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        setAngle(angleAt(event->position().toPoint()));
    }
}

void WindDirectionControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        turnBy(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        turnBy(1);
        break;
    case Qt::Key_PageDown:
        turnBy(-10);
        break;
    case Qt::Key_PageUp:
        turnBy(10);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WindDirectionControl::turnBy(double degrees) {
    const double turned = angle_ + degrees * std::numbers::pi / 180;
    setAngle(static_cast<float>(std::clamp(turned, lower_, upper_)));
}
