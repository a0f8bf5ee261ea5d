#pragma once

#include <QElapsedTimer>
#include <QSpinBox>

// Seconds between picture resets, changed only by the arrows. Holding an arrow steps faster the
// longer it is held, as ControlPageModel::resetPeriodAcceleration says.
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
