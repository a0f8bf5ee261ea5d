#pragma once

#include <QWidget>
#include <cstdint>

// A sample of a colour, framed in black, with the colour chooser behind it.
class ColorPickerControl : public QWidget {
    Q_OBJECT

public:
    explicit ColorPickerControl(QWidget* parent = nullptr);

    // 0x00BBGGRR.
    uint32_t colour() const { return colour_; }
    void setColour(uint32_t colour);
    // Opens the colour chooser at the current colour; OK there takes the chosen colour.
    void chooseColour();

    static QColor toQColor(uint32_t colour);
    static uint32_t fromQColor(const QColor& colour);

    QSize sizeHint() const override { return {48, 24}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint32_t colour_ = 0;
};
