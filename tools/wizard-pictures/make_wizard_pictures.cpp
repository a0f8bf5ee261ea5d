// Draws the uninstall wizard's pictures: the 48 x 48 header graphic (a 24-bit bitmap) and the
// 32 x 32 window icon, both a few drops of water resting on a pane of rain-dimmed glass.
//
// Usage: make-wizard-pictures HEADER.bmp ICON.ico
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <cstdlib>

namespace {

// A pane seen through rain: blue-grey, lighter towards the top where the sky is.
void paintGlass(QPainter& painter, const QRectF& pane, qreal cornerRadius) {
    QLinearGradient sky(pane.topLeft(), pane.bottomLeft());
    sky.setColorAt(0.0, QColor(176, 204, 228));
    sky.setColorAt(0.55, QColor(96, 132, 170));
    sky.setColorAt(1.0, QColor(52, 76, 108));
    painter.setPen(QPen(QColor(40, 58, 84), 1.0));
    painter.setBrush(sky);
    painter.drawRoundedRect(pane.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

// The wet path a drop left behind as it ran down to where it rests.
void paintTrail(QPainter& painter, QPointF top, QPointF drop, qreal width) {
    QLinearGradient wet(top, drop);
    wet.setColorAt(0.0, QColor(220, 236, 250, 0));
    wet.setColorAt(1.0, QColor(220, 236, 250, 110));
    painter.setPen(QPen(QBrush(wet), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(top, drop);
}

// A drop as a lens: it shows the bright sky upside down at its foot, casts a dark rim on the
// glass and catches one highlight near its top.
void paintDrop(QPainter& painter, QPointF centre, qreal radius) {
    const QRectF body(centre.x() - radius, centre.y() - radius * 1.1, 2 * radius, 2.15 * radius);
    QPainterPath shape;
    shape.addEllipse(body);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 36, 56, 90));
    painter.drawEllipse(body.translated(0.6, 0.9));

    QLinearGradient lens(body.topLeft(), body.bottomLeft());
    lens.setColorAt(0.0, QColor(36, 58, 92));
    lens.setColorAt(0.6, QColor(120, 160, 200));
    lens.setColorAt(1.0, QColor(226, 240, 252));
    painter.setBrush(lens);
    painter.setPen(QPen(QColor(28, 44, 70, 200), qMax<qreal>(0.7, radius / 9)));
    painter.drawPath(shape);

    QRadialGradient shine(centre + QPointF(-radius * 0.35, -radius * 0.5), radius * 0.45);
    shine.setColorAt(0.0, QColor(255, 255, 255, 240));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(shine.center(), radius * 0.45, radius * 0.45);
}

QImage headerGraphic() {
    QImage picture(48, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGlass(painter, QRectF(2, 2, 44, 44), 4);
    paintTrail(painter, QPointF(30, 4), QPointF(29, 24), 5);
    paintDrop(painter, QPointF(29, 28), 7.5);
    paintDrop(painter, QPointF(13, 17), 4.5);
    paintDrop(painter, QPointF(16, 37), 3.2);
    paintDrop(painter, QPointF(39, 12), 2.4);
    return picture;
}

QImage windowIcon() {
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintGlass(painter, QRectF(1, 1, 30, 30), 5);
    paintTrail(painter, QPointF(19, 3), QPointF(18.5, 15), 4);
    paintDrop(painter, QPointF(18, 19), 7);
    paintDrop(painter, QPointF(8, 10), 3);
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s HEADER.bmp ICON.ico\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    if (!headerGraphic().save(QString::fromLocal8Bit(argv[1]), "BMP")) {
        std::fprintf(stderr, "make-wizard-pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    if (!windowIcon().save(QString::fromLocal8Bit(argv[2]), "ICO")) {
        std::fprintf(stderr, "make-wizard-pictures: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
