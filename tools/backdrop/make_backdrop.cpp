// Draws the picture the saver shows behind the rain when it has none of the user's: a city
// waterfront at dusk. Drops magnify and turn over what lies behind them, so the picture is full
// of small warm lights and strong colour against a sky that is never dark enough to look empty.
//
// Usage: make-backdrop OUTPUT.jpg
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
// Where the far bank meets the water; the water takes the lowest quarter of the picture.
constexpr int kShoreline = 806;
constexpr int kWaterDepth = kHeight - kShoreline;
constexpr double kQuayHeight = 10;
// The sun has just gone down behind the hills here.
constexpr QPointF kSunset(1250, kShoreline - 30);
constexpr double kPi = 3.14159265358979323846;

// The picture's random source. The engine's sequence is fixed by the standard; the mapping to
// numbers is our own, so the same seed draws the same picture with any standard library. Each
// part of the scene has its own seed, so that reshaping one leaves the others as they were.
class Dice {
public:
    explicit Dice(uint32_t seed) : engine_(seed) {}

    // 0 <= result < 1
    double uniform() { return static_cast<double>(engine_()) / 4294967296.0; }
    double between(double low, double high) { return low + (high - low) * uniform(); }
    bool chance(double probability) { return uniform() < probability; }
    template <typename T> const T& pick(const std::vector<T>& choices) {
        const auto index = static_cast<size_t>(uniform() * static_cast<double>(choices.size()));
        return choices[std::min(index, choices.size() - 1)];
    }

private:
    std::mt19937 engine_;
};

QColor mix(const QColor& from, const QColor& to, double share) {
    const double t = std::clamp(share, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t),
                            static_cast<float>(from.alphaF() + (to.alphaF() - from.alphaF()) * t));
}

QColor withAlpha(QColor colour, double alpha) {
    colour.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
    return colour;
}

QImage transparentLayer(int width, int height) {
    QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

// Shrinking averages whole blocks of pixels and growing again interpolates between them: a
// soft blur, wide as the factors say, for glows and for the water's smear.
QImage blurred(const QImage& image, int acrossFactor, int downFactor) {
    const QSize small(std::max(1, image.width() / acrossFactor),
                      std::max(1, image.height() / downFactor));
    return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A soft round light or puff: full colour at the centre, fading to nothing at the rim.
void paintSoftEllipse(QPainter& painter, QPointF centre, double radiusX, double radiusY,
                      const QColor& colour, double core = 0.35) {
    painter.save();
    painter.translate(centre);
    painter.scale(1.0, radiusY / radiusX);
    QRadialGradient glow(QPointF(0, 0), radiusX);
    glow.setColorAt(0.0, colour);
    glow.setColorAt(core, withAlpha(colour, colour.alphaF() * 0.6));
    glow.setColorAt(1.0, withAlpha(colour, 0.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(0, 0), radiusX, radiusX);
    painter.restore();
}

void paintSky(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kShoreline);
    sky.setColorAt(0.00, QColor(34, 36, 94));
    sky.setColorAt(0.25, QColor(62, 54, 132));
    sky.setColorAt(0.48, QColor(114, 72, 150));
    sky.setColorAt(0.68, QColor(198, 100, 138));
    sky.setColorAt(0.84, QColor(244, 144, 106));
    sky.setColorAt(1.00, QColor(255, 196, 132));
    painter.fillRect(QRectF(0, 0, kWidth, kShoreline), sky);
}

// The glow the sun leaves over the place it went down, wide and low.
void paintAfterglow(QPainter& painter) {
    paintSoftEllipse(painter, kSunset, 900, 300, QColor(255, 214, 150, 150), 0.2);
    paintSoftEllipse(painter, kSunset, 300, 110, QColor(255, 236, 190, 170), 0.3);
}

// A handful of stars high up where the sky has gone dark, and the evening star lower down.
void paintStars(QPainter& painter) {
    Dice dice(0x57a25);
    const double band = kShoreline * 0.4;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        const QPointF at(dice.between(0, kWidth), band * std::pow(dice.uniform(), 1.5));
        const double fade = 1.0 - at.y() / band;
        painter.setBrush(QColor(255, 246, 230, static_cast<int>(dice.between(70, 220) * fade)));
        const double radius = dice.between(0.6, 1.5);
        painter.drawEllipse(at, radius, radius);
    }
    const QPointF eveningStar(1530, 268);
    paintSoftEllipse(painter, eveningStar, 14, 14, QColor(255, 250, 236, 120), 0.15);
    painter.setBrush(QColor(255, 252, 244));
    painter.drawEllipse(eveningStar, 2.2, 2.2);
}

struct Cloud {
    QPointF centre;
    double length;
    double thickness;
};

// A long thin cloud made of many soft puffs, lit warm from below by the sun it can still see;
// the higher it floats, the cooler its colour.
void paintCloud(QPainter& painter, Dice& dice, const Cloud& cloud) {
    const double lowness = std::clamp(cloud.centre.y() / (kShoreline * 0.75), 0.0, 1.0);
    const QColor body = mix(QColor(128, 88, 156), QColor(232, 132, 128), lowness);
    const QColor lining = mix(QColor(236, 150, 178), QColor(255, 206, 150), lowness);
    const int puffs = static_cast<int>(cloud.length / 9);
    for (int i = 0; i < puffs; ++i) {
        const double along = dice.between(-0.5, 0.5);
        const double taper = 1.0 - 4.0 * along * along;
        const QPointF at = cloud.centre + QPointF(along * cloud.length,
                                                  dice.between(-0.35, 0.35) * cloud.thickness);
        const double radiusX = cloud.length * dice.between(0.05, 0.12) * (0.4 + 0.6 * taper);
        const double radiusY = cloud.thickness * dice.between(0.35, 0.7) * (0.3 + 0.7 * taper);
        paintSoftEllipse(painter, at, radiusX, radiusY, withAlpha(body, 0.32));
        paintSoftEllipse(painter, at + QPointF(0, radiusY * 0.45), radiusX * 0.8, radiusY * 0.4,
                         withAlpha(lining, 0.3));
    }
}

void paintClouds(QPainter& painter) {
    Dice dice(0xc10d5);
    const std::vector<Cloud> clouds = {
        {{330, 128}, 640, 44},  {{1010, 84}, 520, 34},  {{1650, 168}, 720, 50},
        {{720, 276}, 860, 36},  {{1420, 370}, 940, 28}, {{210, 420}, 560, 24},
        {{1010, 500}, 620, 16}, {{1760, 530}, 460, 14}, {{520, 580}, 700, 12},
    };
    for (const Cloud& cloud : clouds) {
        paintCloud(painter, dice, cloud);
    }
}

// Clouds are drawn at half size and laid over the sky enlarged, which softens every edge.
void paintCloudLayer(QPainter& painter) {
    QImage layer = transparentLayer(kWidth / 2, kShoreline / 2);
    QPainter clouds(&layer);
    clouds.setRenderHint(QPainter::Antialiasing);
    clouds.scale(0.5, 0.5);
    paintClouds(clouds);
    clouds.end();
    painter.drawImage(QRectF(0, 0, kWidth, kShoreline), layer);
}

struct Ridge {
    uint32_t seed;
    double rise;
    QColor crest;
    QColor foot;
};

// Rolling hills from a few waves of different lengths, higher at both ends of the bay than in
// the middle where the city stands.
QPainterPath ridgeOutline(const Ridge& ridge) {
    Dice dice(ridge.seed);
    struct Wave {
        double length, phase, weight;
    };
    const std::vector<Wave> waves = {{dice.between(1300, 1700), dice.between(0, 2 * kPi), 0.5},
                                     {dice.between(560, 720), dice.between(0, 2 * kPi), 0.3},
                                     {dice.between(230, 290), dice.between(0, 2 * kPi), 0.14},
                                     {dice.between(80, 110), dice.between(0, 2 * kPi), 0.06}};
    QPainterPath outline(QPointF(0, kShoreline));
    for (int x = 0; x <= kWidth; x += 6) {
        double swell = 0.5;
        for (const Wave& wave : waves) {
            swell += 0.5 * wave.weight * std::sin(2 * kPi * x / wave.length + wave.phase);
        }
        const double bay = 0.5 + 0.5 * std::cos(2 * kPi * (x - 80) / kWidth);
        outline.lineTo(x, kShoreline - ridge.rise * (0.4 + 0.6 * bay) * swell);
    }
    outline.lineTo(kWidth, kShoreline);
    outline.closeSubpath();
    return outline;
}

// The mist over the water makes the foot of each hill paler than its crest.
void paintRidge(QPainter& painter, const Ridge& ridge) {
    QLinearGradient haze(0, kShoreline - ridge.rise, 0, kShoreline);
    haze.setColorAt(0.0, ridge.crest);
    haze.setColorAt(1.0, ridge.foot);
    painter.fillPath(ridgeOutline(ridge), haze);
}

void paintHills(QPainter& painter) {
    paintRidge(painter, {0x41115, 230, QColor(150, 100, 156), QColor(222, 146, 140)});
    paintRidge(painter, {0x41116, 150, QColor(104, 70, 126), QColor(170, 110, 136)});
}

enum class Roof { Flat, Setback, Spire, Slope };

struct Building {
    QRectF body;
    Roof roof;
};

struct Street {
    uint32_t seed;
    double lowest;
    double tallest;
    double narrowest;
    double widest;
    QColor top;
    QColor foot;
};

// Tall in the middle of town and in a smaller cluster further along the bay, low elsewhere.
double townHeight(double x) {
    const auto bell = [x](double centre, double spread) {
        const double d = (x - centre) / spread;
        return std::exp(-d * d);
    };
    return std::max({0.12, bell(640, 300), 0.7 * bell(1560, 190)});
}

Roof roofFor(Dice& dice, double height, double tallest) {
    if (height > 0.55 * tallest && dice.chance(0.5)) {
        return dice.chance(0.5) ? Roof::Spire : Roof::Setback;
    }
    if (dice.chance(0.15)) {
        return Roof::Slope;
    }
    return dice.chance(0.2) ? Roof::Setback : Roof::Flat;
}

std::vector<Building> planStreet(const Street& street) {
    Dice dice(street.seed);
    std::vector<Building> buildings;
    double x = dice.between(-40, 0);
    while (x < kWidth) {
        const double width = dice.between(street.narrowest, street.widest);
        const double height = street.lowest + (street.tallest - street.lowest) *
                                                  townHeight(x + width / 2) *
                                                  dice.between(0.5, 1.0);
        buildings.push_back(
            {QRectF(x, kShoreline - height, width, height), roofFor(dice, height, street.tallest)});
        x += width + dice.between(-0.3 * width, 0.15 * width);
    }
    return buildings;
}

// Where a beacon would sit: the highest point of the roof.
QPointF roofTop(const Building& building) {
    const QRectF& body = building.body;
    switch (building.roof) {
    case Roof::Spire:
        return {body.center().x(), body.top() - 0.28 * body.height()};
    case Roof::Setback:
        return {body.center().x(), body.top() - 0.1 * body.height()};
    case Roof::Slope:
        return {body.right() - 1, body.top() - 0.35 * body.width()};
    case Roof::Flat:
        break;
    }
    return {body.center().x(), body.top()};
}

QPainterPath buildingOutline(const Building& building) {
    const QRectF& body = building.body;
    QPainterPath outline;
    outline.addRect(body);
    const double w = body.width();
    const double h = body.height();
    switch (building.roof) {
    case Roof::Setback:
        outline.addRect(body.left() + 0.15 * w, body.top() - 0.06 * h, 0.7 * w, 0.06 * h + 1);
        outline.addRect(body.left() + 0.3 * w, body.top() - 0.1 * h, 0.4 * w, 0.04 * h + 1);
        break;
    case Roof::Spire:
        outline.addRect(body.left() + 0.25 * w, body.top() - 0.05 * h, 0.5 * w, 0.05 * h + 1);
        outline.addRect(body.center().x() - 1.5, body.top() - 0.28 * h, 3, 0.24 * h);
        break;
    case Roof::Slope:
        outline.moveTo(body.topLeft() + QPointF(0, 1));
        outline.lineTo(body.right(), body.top() - 0.35 * w);
        outline.lineTo(body.bottomRight() + QPointF(0, -body.height() + 1));
        outline.closeSubpath();
        break;
    case Roof::Flat:
        break;
    }
    return outline.simplified();
}

struct WindowGrid {
    double cellWidth;
    double cellHeight;
    double windowWidth;
    double windowHeight;
    double brightness;
};

// Each building has its own kind of light: most are warm lamps, some offices are whiter.
QColor buildingLight(Dice& dice) {
    static const std::vector<QColor> lights = {
        QColor(255, 196, 112), QColor(255, 214, 140), QColor(255, 176, 96),
        QColor(255, 228, 170), QColor(250, 238, 214), QColor(206, 226, 255),
    };
    return dice.pick(lights);
}

// Rows of windows, some lit and most dark; now and then a whole floor still at work.
void paintWindows(QPainter& lights, Dice& dice, const QRectF& body, const WindowGrid& typical) {
    const double scale = dice.between(0.85, 1.3);
    const WindowGrid grid = {typical.cellWidth * scale, typical.cellHeight * scale,
                             typical.windowWidth * scale, typical.windowHeight * scale,
                             typical.brightness};
    const QRectF face = body.adjusted(grid.cellWidth * 0.5, grid.cellHeight * 0.8,
                                      -grid.cellWidth * 0.5, -kQuayHeight - grid.cellHeight);
    const int columns = static_cast<int>(face.width() / grid.cellWidth);
    const int rows = static_cast<int>(face.height() / grid.cellHeight);
    if (columns < 1 || rows < 1) {
        return;
    }
    const double left = face.center().x() - columns * grid.cellWidth / 2;
    const double litShare = dice.chance(0.15) ? 0.04 : dice.between(0.12, 0.45);
    const QColor tone = buildingLight(dice);
    for (int row = 0; row < rows; ++row) {
        const bool wholeFloor = dice.chance(0.04);
        const double floorShare = litShare * dice.between(0.3, 1.7);
        for (int column = 0; column < columns; ++column) {
            if (!wholeFloor && !dice.chance(floorShare)) {
                continue;
            }
            const QColor colour = mix(tone, QColor(255, 160, 80), dice.between(0, 0.35));
            lights.fillRect(QRectF(left + column * grid.cellWidth,
                                   face.top() + row * grid.cellHeight, grid.windowWidth,
                                   grid.windowHeight),
                            withAlpha(colour, grid.brightness * dice.between(0.55, 1.0)));
        }
    }
}

// Only the tallest buildings carry a red warning light for aircraft.
constexpr double kBeaconHeight = 280;

void paintBeacon(QPainter& lights, QPointF at) {
    paintSoftEllipse(lights, at, 12, 12, QColor(255, 40, 30, 150), 0.15);
    lights.setPen(Qt::NoPen);
    lights.setBrush(QColor(255, 90, 70));
    lights.drawEllipse(at, 2.2, 2.2);
}

void paintStreet(QPainter& scene, QPainter& lights, const Street& street, const WindowGrid& grid) {
    const std::vector<Building> buildings = planStreet(street);
    QLinearGradient shade(0, kShoreline - street.tallest, 0, kShoreline);
    shade.setColorAt(0.0, street.top);
    shade.setColorAt(1.0, street.foot);
    Dice dice(street.seed ^ 0x11647u);
    for (const Building& building : buildings) {
        scene.fillPath(buildingOutline(building), shade);
        paintWindows(lights, dice, building.body, grid);
        if (roofTop(building).y() < kShoreline - kBeaconHeight) {
            paintBeacon(lights, roofTop(building));
        }
    }
}

void paintCity(QPainter& scene, QPainter& lights) {
    paintStreet(scene, lights, {0xb1d9, 36, 420, 34, 90, QColor(66, 50, 104), QColor(98, 68, 118)},
                {6, 9, 3, 4, 0.8});
    paintStreet(scene, lights, {0xb1da, 26, 230, 40, 110, QColor(40, 30, 70), QColor(54, 38, 78)},
                {8, 11, 4, 6, 1.0});
}

std::vector<double> lampPositions() {
    std::vector<double> positions;
    for (double x = 30; x < kWidth; x += 72) {
        positions.push_back(x);
    }
    return positions;
}

constexpr double kLampHeight = 38;

QPointF lampHead(double x) {
    return {x + 5, kShoreline - kQuayHeight - kLampHeight};
}

// The quay wall along the water, its top edge catching the glow of the sky.
void paintQuay(QPainter& scene) {
    scene.fillRect(QRectF(0, kShoreline - kQuayHeight, kWidth, kQuayHeight), QColor(26, 20, 44));
    scene.fillRect(QRectF(0, kShoreline - kQuayHeight, kWidth, 1.5), QColor(150, 104, 120));
}

void paintLampPosts(QPainter& scene) {
    scene.setPen(QPen(QColor(22, 16, 38), 2.2, Qt::SolidLine, Qt::FlatCap));
    scene.setBrush(Qt::NoBrush);
    for (double x : lampPositions()) {
        QPainterPath post(QPointF(x, kShoreline - kQuayHeight));
        post.lineTo(x, kShoreline - kQuayHeight - kLampHeight + 4);
        post.quadTo(x, kShoreline - kQuayHeight - kLampHeight, lampHead(x).x(), lampHead(x).y());
        scene.drawPath(post);
    }
}

void paintLampLights(QPainter& lights) {
    for (double x : lampPositions()) {
        paintSoftEllipse(lights, lampHead(x), 22, 22, QColor(255, 206, 130, 170), 0.12);
        lights.setPen(Qt::NoPen);
        lights.setBrush(QColor(255, 246, 220));
        lights.drawEllipse(lampHead(x) + QPointF(0, 1), 3.2, 2.4);
    }
}

// How far the swell shifts each row of the reflection sideways. Waves far off are small and close
// together; near the viewer they are larger and further apart, and no two are quite alike.
std::vector<double> swellOffsets() {
    Dice dice(0x5e11);
    std::vector<double> offsets;
    for (int row = 0; row < kWaterDepth; ++row) {
        const double nearness = static_cast<double>(row) / kWaterDepth;
        const double phase = 40 * std::log1p(row / 10.0);
        const double amplitude = 0.5 + 4.5 * nearness;
        const double wave = 0.5 * std::sin(phase) + 0.3 * std::sin(2.3 * phase + 1.3) +
                            0.2 * std::sin(4.1 * phase + 0.4);
        offsets.push_back(amplitude * (wave + dice.between(-0.35, 0.35)));
    }
    return offsets;
}

double swellOffset(int row) {
    static const std::vector<double> offsets = swellOffsets();
    return offsets[static_cast<size_t>(std::clamp(row, 0, kWaterDepth - 1))];
}

// How much of a light's reflection one row shows: the crests catch it, the troughs lose it.
double glitter(int row) {
    const double phase = 48 * std::log1p(row / 6.0);
    return 0.7 + 0.3 * std::sin(phase) * std::sin(0.37 * phase + 0.8);
}

// The water mirrors the sky higher up the nearer it comes, so it darkens towards the viewer.
void paintWaterBase(QPainter& painter) {
    QLinearGradient water(0, kShoreline, 0, kHeight);
    water.setColorAt(0.0, QColor(196, 112, 124));
    water.setColorAt(0.4, QColor(112, 70, 128));
    water.setColorAt(1.0, QColor(38, 34, 88));
    painter.fillRect(QRectF(0, kShoreline, kWidth, kWaterDepth), water);
}

// Water seen steeply, close by, gives back less of the sky than water far off seen at a glance.
void paintWaterDepth(QPainter& painter) {
    QLinearGradient depth(0, kShoreline, 0, kHeight);
    depth.setColorAt(0.0, QColor(24, 18, 60, 40));
    depth.setColorAt(1.0, QColor(20, 16, 56, 130));
    painter.fillRect(QRectF(0, kShoreline, kWidth, kWaterDepth), depth);
}

// Lays a mirrored strip over the water row by row, each row pushed sideways by the swell.
void paintRippled(QPainter& painter, const QImage& mirror, double opacity, bool withGlitter) {
    painter.save();
    for (int row = 0; row < kWaterDepth; ++row) {
        painter.setOpacity(withGlitter ? opacity * glitter(row) : opacity);
        painter.drawImage(QPointF(swellOffset(row), kShoreline + row), mirror,
                          QRectF(0, row, kWidth, 1));
    }
    painter.restore();
}

// The mirror of everything above the water, long streaks hanging from every light.
void paintReflections(QPainter& painter, const QImage& unlitBank, const QImage& lights) {
    const QRect bank(0, kShoreline - kWaterDepth, kWidth, kWaterDepth);
    paintRippled(painter, blurred(unlitBank.mirrored(false, true), 1, 12), 0.8, false);
    paintWaterDepth(painter);

    const QImage streaks = blurred(lights.copy(bank).mirrored(false, true), 3, 24);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    paintRippled(painter, streaks, 1.0, true);
    paintRippled(painter, streaks, 0.8, true);
    painter.restore();
}

// Each street light leaves a broken column of bright dashes down the water.
void paintLampStreaks(QPainter& painter) {
    Dice dice(0x57ea);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setPen(Qt::NoPen);
    for (double x : lampPositions()) {
        const double centre = lampHead(x).x();
        for (int row = 2; row < kWaterDepth; row += 2) {
            const double nearness = static_cast<double>(row) / kWaterDepth;
            if (!dice.chance(0.75 - 0.35 * nearness)) {
                continue;
            }
            const double width = dice.between(2, 6 + 14 * nearness);
            const double strength = (1.0 - 0.8 * nearness) * glitter(row) * dice.between(0.4, 1.0);
            painter.setBrush(withAlpha(QColor(255, 190, 110), 0.75 * strength));
            painter.drawRect(
                QRectF(centre + swellOffset(row) - width / 2, kShoreline + row, width, 1.6));
        }
    }
    painter.restore();
}

// The last of the sunset laid on the water in short warm strokes below where the sun went down.
void paintSunsetGlints(QPainter& painter) {
    Dice dice(0x9117);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double depth = std::pow(dice.uniform(), 1.3);
        const int row = static_cast<int>(depth * kWaterDepth);
        const double spread = 90 + 260 * depth;
        const double across = (dice.uniform() + dice.uniform() + dice.uniform() - 1.5) * spread;
        const double length = dice.between(6, 20 + 60 * depth);
        const double strength = (1.0 - 0.7 * depth) * (1.0 - std::abs(across) / (1.5 * spread));
        painter.setBrush(withAlpha(QColor(255, 170, 110), 0.3 * strength));
        painter.drawRect(
            QRectF(kSunset.x() + across - length / 2, kShoreline + row, length, 1.2 + depth));
    }
    painter.restore();
}

// Faint light lines where the water is smooth between the waves.
void paintRippleLines(QPainter& painter) {
    Dice dice(0x21991e);
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const double depth = dice.uniform();
        const double length = dice.between(40, 140 + 400 * depth);
        painter.setBrush(QColor(220, 170, 200, static_cast<int>(dice.between(10, 34))));
        painter.drawRect(QRectF(dice.between(-100, kWidth), kShoreline + 3 + depth * kWaterDepth,
                                length, 1 + depth));
    }
    painter.restore();
}

void paintWater(QPainter& painter, const QImage& unlitBank, const QImage& lights) {
    paintWaterBase(painter);
    paintReflections(painter, unlitBank, lights);
    paintRippleLines(painter);
    paintSunsetGlints(painter);
    paintLampStreaks(painter);
}

// Every light shines a little beyond its edges, a narrow halo and a wide one.
void addBloom(QPainter& painter, const QImage& lights) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setOpacity(0.9);
    painter.drawImage(0, 0, blurred(lights, 4, 4));
    painter.setOpacity(0.5);
    painter.drawImage(0, 0, blurred(lights, 24, 24));
    painter.restore();
}

// Everything above the water, its shapes on the picture and its lights on their own layer.
void paintLand(QImage& picture, QImage& lights) {
    QPainter scene(&picture);
    QPainter lamps(&lights);
    scene.setRenderHint(QPainter::Antialiasing);
    lamps.setRenderHint(QPainter::Antialiasing);
    paintSky(scene);
    paintStars(scene);
    paintAfterglow(scene);
    paintCloudLayer(scene);
    paintHills(scene);
    paintCity(scene, lamps);
    paintQuay(scene);
    paintLampPosts(scene);
    paintLampLights(lamps);
}

void switchOnLights(QImage& picture, const QImage& lights) {
    QPainter scene(&picture);
    scene.drawImage(0, 0, lights);
    addBloom(scene, lights);
}

// The water mirrors the bank without its lights, which hang in it as streaks of their own.
QImage backdrop() {
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    QImage lights = transparentLayer(kWidth, kHeight);
    paintLand(picture, lights);
    const QImage unlitBank = picture.copy(0, kShoreline - kWaterDepth, kWidth, kWaterDepth);
    switchOnLights(picture, lights);
    QPainter water(&picture);
    water.setRenderHint(QPainter::Antialiasing);
    paintWater(water, unlitBank, lights);
    water.end();
    return picture.convertToFormat(QImage::Format_RGB32);
}

bool saveBaselineJpeg(const QImage& picture, const QString& path) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(85);
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(true);
    return writer.write(picture);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    if (!saveBaselineJpeg(backdrop(), QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "make-backdrop: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
