#include "backends/qt/settings/DropsOptionsPage.h"

#include "backends/qt/settings/Trackbar.h"
#include "backends/qt/settings/UiTexts.h"
#include "backends/qt/settings/WindDirectionControl.h"
#include "options/ScreenSaverOptionsStorage.h"
#include "resources/Strings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {

constexpr uint32_t radiusMessage = 9;

} // namespace

DropsOptionsPage::DropsOptionsPage(IPropertyPageHost& host, ScreenSaverOptionsStorage& options)
    : PropertyPageBase(host), options_(options) {
    const int densityRange = options.maxDensity() - options.minDensity();
    density_ = makeTrackbar(Qt::Horizontal,
                            {options.minDensity(), options.maxDensity(), 1,
                             roundHalfUp(densityRange * 0.1), 5, options.density()},
                            "density");
    rampUp_ = new QCheckBox(tr("密度渐强(&G)"));
    rampUp_->setObjectName("densityRampUp");
    rampUp_->setChecked(options.densityRampUp());
    const int radiusRange = options.maxRadiusBound();
    const TrackbarSettings radius{
        options.minRadiusBound(), options.maxRadiusBound(), 1, roundHalfUp(radiusRange * 0.1), 0,
        options.minRadius()};
    minRadius_ = makeTrackbar(Qt::Horizontal, radius, "minRadius");
    TrackbarSettings largest = radius;
    largest.position = options.minRadius() + options.radiusSpread();
    maxRadius_ = makeTrackbar(Qt::Horizontal, largest, "maxRadius");
    windForce_ = makeTrackbar(Qt::Horizontal,
                              {options.minWindForce(), options.maxWindForce(), 1,
                               roundHalfUp(options.maxWindForce() * 0.1),
                               roundHalfUp(options.maxWindForce() * 0.1), options.windForce()},
                              "windForce");
    const int speeds = options.maxSpeed() - options.minSpeed();
    speed_ = makeTrackbar(Qt::Vertical,
                          {0, speeds - 1, 1, roundHalfUp(speeds * 0.1), roundHalfUp(speeds * 0.2),
                           speedPosition(options.speed(), options.minSpeed(), options.maxSpeed())},
                          "speed");
    // Position 0 is the top of the slider: the fastest rain.
    speed_->setInvertedAppearance(true);
    speed_->setInvertedControls(true);
    windAngle_ = new WindDirectionControl;
    windAngle_->setLimits(lowestWindAngle, highestWindAngle);
    windAngle_->setAngle(options.windAngle());

    density_->setWhatsThis(tr("玻璃上同时落下的雨滴有多少。向右移动，雨下得更密。"));
    rampUp_->setWhatsThis(tr("选中后，雨从几滴开始，慢慢下到设定的密度。"));
    minRadius_->setWhatsThis(tr("最小的雨滴有多大。不能大于最大雨滴半径。"));
    maxRadius_->setWhatsThis(tr("最大的雨滴有多大。不能小于最小雨滴半径。"));
    windForce_->setWhatsThis(tr("风把落下的雨滴吹得多斜。最左边是无风。"));
    speed_->setWhatsThis(tr("雨滴在玻璃上流得多快。上面最快，下面最慢。"));
    windAngle_->setWhatsThis(tr("风从哪个方向吹来。用鼠标拖动箭头，或用方向键调整。"));

    auto* layout = new QGridLayout(this);
    const auto addRow = [layout](int row, const QString& caption, QWidget* control) {
        auto* label = new QLabel(caption);
        label->setBuddy(control);
        layout->addWidget(label, row, 0);
        layout->addWidget(control, row, 1);
    };
    addRow(0, tr("稠密(&D):"), density_);
    layout->addWidget(rampUp_, 1, 1);
    addRow(2, tr("最小雨滴半径(&N):"), minRadius_);
    addRow(3, tr("最大雨滴半径(&X):"), maxRadius_);
    addRow(4, tr("风力(&F):"), windForce_);
    addRow(5, tr("风向:"), windAngle_);
    auto* speedLabel = new QLabel(tr("总体速度(&S):"));
    speedLabel->setBuddy(speed_);
    layout->addWidget(speedLabel, 0, 2, Qt::AlignHCenter);
    layout->addWidget(speed_, 1, 2, 5, 1, Qt::AlignHCenter);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(6, 1);
    setFocusProxy(density_);

    for (QSlider* slider : {density_, minRadius_, maxRadius_, windForce_, speed_}) {
        connect(slider, &QSlider::valueChanged, this, &DropsOptionsPage::changed);
    }
    connect(rampUp_, &QCheckBox::toggled, this, &DropsOptionsPage::changed);
    connect(windAngle_, &WindDirectionControl::angleChanged, this, &DropsOptionsPage::changed);
}

int DropsOptionsPage::speedPosition(int speed, int minSpeed, int maxSpeed) {
    return (maxSpeed - minSpeed - 1) - (speed - minSpeed);
}

int DropsOptionsPage::speedAt(int position, int minSpeed, int maxSpeed) {
    return maxSpeed - minSpeed - 1 - position + minSpeed;
}

bool DropsOptionsPage::validate() {
    if (maxRadius_->value() < minRadius_->value()) {
        showError(UiTexts::errorCaption(), UiTexts::string(radiusMessage));
        minRadius_->setFocus();
        return false;
    }
    return true;
}

void DropsOptionsPage::apply() {
    writeTo(options_);
}

void DropsOptionsPage::writeTo(IDropSystemOptionsStorage& target) const {
    target.setDensity(density_->value());
    target.setDensityRampUp(rampUp_->isChecked());
    target.setMinRadius(minRadius_->value());
    target.setRadiusSpread(maxRadius_->value() - minRadius_->value());
    target.setWindForce(windForce_->value());
    target.setWindAngle(windAngle_->angle());
    target.setSpeed(speedAt(speed_->value(), target.minSpeed(), target.maxSpeed()));
}
