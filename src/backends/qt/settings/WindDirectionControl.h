#pragma once

#include <QWidget>

// The wind's direction as an arrow hanging from the middle of the top edge: 90 degrees points
// straight down, larger angles down and to the right. A press or drag sets the angle, the arrow
// keys turn it a degree at a time (Page Up/Down by ten), always within the limits.
class WindDirectionControl : public QWidget {
    Q_OBJECT

public:
    static constexpr float startAngle = 2.3561945f; // 3π/4

    explicit WindDirectionControl(QWidget* parent = nullptr);

    float angle() const { return angle_; }
    void setAngle(float radians);
    void setLimits(double lower, double upper);
    // The angle the pointer at this position asks for, within the limits.
    float angleAt(QPoint position) const;
    QPoint pivot() const;

signals:
    void angleChanged(float radians);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPoint arrowPoint(double x, double y) const;
    void turnBy(double degrees);

    float angle_ = startAngle;
    double lower_ = 0.0;
    double upper_ = 3.14159265358979323846;
};
