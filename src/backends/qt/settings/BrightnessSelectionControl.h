#pragma once

#include <QWidget>
#include <cstdint>

// A strip from black to white with a marker below it at the chosen brightness. Dragging the
// marker, or pressing anywhere on the strip, chooses; Esc ends a drag where it is.
class BrightnessSelectionControl : public QWidget {
    Q_OBJECT

public:
    explicit BrightnessSelectionControl(QWidget* parent = nullptr);

    uint8_t value() const { return value_; }
    void setValue(uint8_t value);
    // The gradient's rectangle: the whole control less the marker's band below and half the
    // marker's width at either side.
    QRect gradientArea() const;
    // The brightness under the pointer at this x, clamped to 0..255.
    uint8_t valueAt(int x) const;

    QSize sizeHint() const override { return {200, 36}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void drawMarker(QPainter& painter, const QRect& area) const;

    uint8_t value_ = 0;
    bool tracking_ = false;
};
