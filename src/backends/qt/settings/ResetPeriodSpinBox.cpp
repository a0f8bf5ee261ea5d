#include "backends/qt/settings/ResetPeriodSpinBox.h"

#include "settings/ControlPageModel.h"

#include <QKeyEvent>
#include <QLineEdit>

ResetPeriodSpinBox::ResetPeriodSpinBox(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    // Drawn like an edit box although nothing can be typed into it.
    setBackgroundRole(QPalette::Base);
}

int ResetPeriodSpinBox::stepAfter(qint64 heldMilliseconds) {
    return ControlPageModel::resetPeriodStepAfter(heldMilliseconds);
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
