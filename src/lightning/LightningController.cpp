#include "lightning/LightningController.h"

#include "lightning/BoltColour.h"
#include "lightning/LightningGenerator.h"
#include "platform/MillisecondClock.h"
#include "platform/Rand15.h"

#include <stdexcept>
#include <utility>

namespace {

// Longer waits could not be told from past times on the wrapping clock.
constexpr float longestWait = 20.0f * 24 * 3600;

// Truncated; bounded, since options outside their ranges must not overflow the conversion.
int32_t millisecondsOf(float seconds) {
    const float bounded = seconds > 0.0f ? (seconds < longestWait ? seconds : longestWait) : 0.0f;
    return static_cast<int32_t>(bounded * 1000.0f);
}

} // namespace

LightningController::LightningController(const AreaRect& area, const IDropSystem& dropSystem,
                                         const ILightningOptions& options)
    : area_(area), options_(options), dropSystem_(dropSystem) {
    // Bolts enter at a column picked modulo the width and grow down to the height.
    if (area.isEmpty()) {
        throw std::invalid_argument("the lightning needs an area of at least one pixel");
    }
}

LightningController::~LightningController() = default;

uint32_t LightningController::now() {
    return systemClock().now();
}

float LightningController::random01() {
    return static_cast<float>(rand15()) / 32767.0f;
}

std::unique_ptr<ILightning> LightningController::createLightning() {
    // The area's own minimum x is not added: the scene's area always starts at 0.
    const int32_t entryX = rand15() % (area_.maxX - area_.minX);
    const uint32_t colour =
        options_.randomColour() != 0 ? randomBoltColour() : options_.boltColour();
    LightningGeneratorParameters parameters;
    parameters.setStart(PointF{static_cast<float>(entryX), static_cast<float>(area_.minY)})
        .setLimitY(static_cast<float>(area_.maxY - area_.minY))
        .setColour(colour);
    LightningGenerator generator(parameters);
    return generator.generate();
}

void LightningController::update() {
    if (!state_) {
        state_ = std::make_unique<WaitingState>(*this);
    }
    state_->update();
}

ILightning* LightningController::lightning() {
    if (!lightning_) {
        regenerate();
    }
    return lightning_.get();
}

void LightningController::regenerate() {
    // The old bolt goes only once the new one exists: should making it fail, the view still
    // holds a bolt that is alive.
    std::unique_ptr<ILightning> fresh = createLightning();
    lightning_ = std::move(fresh);
    notifyView();
}

void LightningController::setView(ILightningView* view) {
    view_ = view;
    notifyView();
}

void LightningController::setSoundManager(ILightningSoundManager* soundManager) {
    soundManager_ = soundManager;
}

void LightningController::setState(std::unique_ptr<State> state) {
    state_ = std::move(state);
}

void LightningController::playThunder() {
    if (soundManager_ == nullptr) {
        return;
    }
    const float x = lightning()->origin().x;
    const float pan = x / static_cast<float>(area_.maxX - area_.minX) * 2.0f - 1.0f;
    soundManager_->playThunder(pan);
}

bool LightningController::rainAtFullStrength() const {
    return dropSystem_.rampElapsed() == dropSystem_.rampLength();
}

void LightningController::notifyView() {
    if (view_ != nullptr) {
        view_->setLightning(lightning());
    }
}

WaitingState::WaitingState(LightningController& controller) : State(controller) {
    const ILightningOptions& options = controller_.options();
    const int32_t spread = options.intervalSpread();
    const float r = controller_.random01();
    const int32_t minimum = options.minInterval();
    delay_ = millisecondsOf(static_cast<float>(minimum) + r * static_cast<float>(spread));
    // Wrapping addition: the deadline may lie past the clock's wrap.
    deadline_ = controller_.now() + static_cast<uint32_t>(delay_);
}

void WaitingState::update() {
    if (!isTimeReached(controller_.now(), deadline_)) {
        return;
    }
    if (!controller_.rainAtFullStrength()) {
        return;
    }
    controller_.regenerate();
    controller_.setState(std::make_unique<DisplayingState>(controller_));
}

DisplayingState::DisplayingState(LightningController& controller) : State(controller) {
    duration_ = static_cast<int32_t>((controller_.random01() * 0.5f + 0.25f) * 1000.0f);
    controller_.playThunder();
    pickTogglePeriod();
    ILightning* bolt = controller_.lightning();
    bolt->setBoltVisible(true);
    bolt->setFlashOn(true);
    nextToggle_ = controller_.now() + static_cast<uint32_t>(togglePeriod_);
    endTime_ = controller_.now() + static_cast<uint32_t>(duration_);
    flashDuration_ = static_cast<int32_t>(controller_.random01() * 100.0f + 50.0f);
    flashEnd_ = controller_.now() + static_cast<uint32_t>(flashDuration_);
}

void DisplayingState::update() {
    ILightning* bolt = controller_.lightning();
    if (isTimeReached(controller_.now(), endTime_)) {
        bolt->setBoltVisible(false);
        bolt->setFlashOn(false);
        controller_.setState(std::make_unique<WaitingState>(controller_));
        return;
    }
    if (isTimeReached(controller_.now(), nextToggle_)) {
        bolt->setBoltVisible(!bolt->isBoltVisible());
        pickTogglePeriod();
        nextToggle_ = controller_.now() + static_cast<uint32_t>(togglePeriod_);
    }
    if (isTimeReached(controller_.now(), flashEnd_)) {
        bolt->setFlashOn(false);
    }
}

void DisplayingState::pickTogglePeriod() {
    const auto period =
        static_cast<int32_t>(controller_.random01() * static_cast<float>(duration_) * 0.2f);
    togglePeriod_ = static_cast<int32_t>(static_cast<uint32_t>(period) >> 1);
}
