#pragma once

#include <QElapsedTimer>
#include <QSpinBox>

// Seconds between picture resets, changed only by the arrows. Holding an arrow steps faster the
// longer it is held: 1 at once, 5 after 2 s, 10 after 4 s, 25 after 6 s.
class ResetPeriodSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ResetPeriodSpinBox(QWidget* parent = nullptr);

    // The step after an arrow has been held this long.
    static int stepAfter(qint64 heldMilliseconds);

    void stepBy(int steps) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QElapsedTimer held_;
};
