#include "backends/qt/settings/DropsOptionsPage.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/Trackbar.h"
#include "backends/qt/settings/UiTexts.h"
#include "backends/qt/settings/WindDirectionControl.h"
#include "options/ScreenSaverOptionsStorage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

DropsOptionsPage::DropsOptionsPage(IPropertyPageHost& host, ScreenSaverOptionsStorage& options)
    : PropertyPageBase(host), model_(options) {
    const DropsPageState initial = model_.initialState();
    density_ =
        makeTrackbar(Qt::Horizontal, model_.densitySlider(), "density", DropsPageModel::densityId);
    rampUp_ = new QCheckBox(tr("密度渐强(&G)"));
    rampUp_->setObjectName("densityRampUp");
    ControlIds::assign(*rampUp_, DropsPageModel::densityRampUpId);
    rampUp_->setChecked(initial.densityRampUp);
    minRadius_ = makeTrackbar(Qt::Horizontal, model_.smallestRadiusSlider(), "minRadius",
                              DropsPageModel::smallestRadiusId);
    maxRadius_ = makeTrackbar(Qt::Horizontal, model_.largestRadiusSlider(), "maxRadius",
                              DropsPageModel::largestRadiusId);
    windForce_ = makeTrackbar(Qt::Horizontal, model_.windForceSlider(), "windForce",
                              DropsPageModel::windForceId);
    speed_ = makeTrackbar(Qt::Vertical, model_.speedSlider(), "speed", DropsPageModel::speedId);
    // Position 0 is the top of the slider: the fastest rain.
    speed_->setInvertedAppearance(true);
    speed_->setInvertedControls(true);
    windAngle_ = new WindDirectionControl;
    ControlIds::assign(*windAngle_, DropsPageModel::windDirectionId);
    windAngle_->setLimits(DropsPageModel::lowestWindAngle, DropsPageModel::highestWindAngle);
    windAngle_->setAngle(initial.windAngle);

    density_->setWhatsThis(UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::densityId));
    rampUp_->setWhatsThis(UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::densityRampUpId));
    minRadius_->setWhatsThis(
        UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::smallestRadiusId));
    maxRadius_->setWhatsThis(
        UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::largestRadiusId));
    windForce_->setWhatsThis(UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::windForceId));
    speed_->setWhatsThis(UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::speedId));
    windAngle_->setWhatsThis(
        UiTexts::whatsThis("DropsOptionsPage", DropsPageModel::windDirectionId));

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
    setFocusProxy(ControlIds::find(*this, DropsPageModel::firstFocus()));

    for (QSlider* slider : {density_, minRadius_, maxRadius_, windForce_, speed_}) {
        connect(slider, &QSlider::valueChanged, this, &DropsOptionsPage::changed);
    }
    connect(rampUp_, &QCheckBox::toggled, this, &DropsOptionsPage::changed);
    connect(windAngle_, &WindDirectionControl::angleChanged, this, &DropsOptionsPage::changed);
}

DropsPageState DropsOptionsPage::state() const {
    return {density_->value(),   rampUp_->isChecked(), minRadius_->value(), maxRadius_->value(),
            windForce_->value(), windAngle_->angle(),  speed_->value()};
}

bool DropsOptionsPage::validate() {
    if (const auto failure = model_.validate(state())) {
        showFailure(*failure);
        ControlIds::focus(*this, failure->focusControl);
        return false;
    }
    return true;
}

void DropsOptionsPage::apply() {
    model_.apply(state());
}

void DropsOptionsPage::writeTo(IDropSystemOptionsStorage& target) const {
    DropsPageModel::writeTo(state(), target);
}
