#include "backends/qt/settings/ResetPeriodSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>

ResetPeriodSpinBox::ResetPeriodSpinBox(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    // Drawn like an edit box although nothing can be typed into it.
    setBackgroundRole(QPalette::Base);
}

int ResetPeriodSpinBox::stepAfter(qint64 heldMilliseconds) {
    if (heldMilliseconds >= 6000) {
        return 25;
    }
    if (heldMilliseconds >= 4000) {
        return 10;
    }
    if (heldMilliseconds >= 2000) {
        return 5;
    }
    return 1;
}

void ResetPeriodSpinBox::stepBy(int steps) {
    if (!held_.isValid()) {
        held_.start();
    }
    QSpinBox::stepBy(steps * stepAfter(held_.elapsed()));
}

void ResetPeriodSpinBox::mousePressEvent(QMouseEvent* event) {
    held_.start();
    QSpinBox::mousePressEvent(event);
}

void ResetPeriodSpinBox::mouseReleaseEvent(QMouseEvent* event) {
    held_.invalidate();
    QSpinBox::mouseReleaseEvent(event);
}

void ResetPeriodSpinBox::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        held_.start();
    }
    QSpinBox::keyPressEvent(event);
}

void ResetPeriodSpinBox::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) {
        held_.invalidate();
    }
    QSpinBox::keyReleaseEvent(event);
}
