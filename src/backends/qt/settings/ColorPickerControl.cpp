#include "backends/qt/settings/ColorPickerControl.h"

#include <QColorDialog>
#include <QPainter>

ColorPickerControl::ColorPickerControl(QWidget* parent) : QWidget(parent) {
    setObjectName("colourSample");
}

void ColorPickerControl::setColour(uint32_t colour) {
    colour_ = colour;
    update();
}

void ColorPickerControl::chooseColour() {
    // Custom colours are not carried from one choice to the next.
    for (int slot = 0; slot < QColorDialog::customCount(); ++slot) {
        QColorDialog::setCustomColor(slot, Qt::white);
    }
    const QColor chosen = QColorDialog::getColor(toQColor(colour_), this);
    if (chosen.isValid()) {
        setColour(fromQColor(chosen));
    }
}

QColor ColorPickerControl::toQColor(uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

uint32_t ColorPickerControl::fromQColor(const QColor& colour) {
    return static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
           static_cast<uint32_t>(colour.blue()) << 16;
}

void ColorPickerControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(isEnabled() ? Qt::black : Qt::gray);
    painter.setBrush(isEnabled() ? toQColor(colour_) : palette().color(QPalette::Window));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
