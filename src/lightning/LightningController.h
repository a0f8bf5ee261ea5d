#pragma once

#include "lightning/AreaRect.h"
#include "lightning/ILightning.h"
#include "lightning/ILightningSoundManager.h"
#include "lightning/ILightningView.h"
#include "options/ILightningOptions.h"
#include "rain/IDropSystem.h"

#include <cstdint>
#include <memory>

// Decides when a bolt shows, how long it stays and flickers, when the flash is lit and when
// thunder starts: a wait, then a display, then a wait again, advanced once per frame. The
// bolt's two flags are all the view reads.
//
// The clock, the random source and the making of a bolt are virtual, so that a test can drive
// the states with scripted values.
class LightningController {
public:
    LightningController(const AreaRect& area, const IDropSystem& dropSystem,
                        const ILightningOptions& options);
    virtual ~LightningController();
    LightningController(const LightningController&) = delete;
    LightningController& operator=(const LightningController&) = delete;

    // Milliseconds of the system clock; wraps after 49.7 days.
    virtual uint32_t now();
    // One rand15 draw scaled to 0..1.
    virtual float random01();
    // A new bolt entering at a random x of the area's top row and reaching its bottom row.
    virtual std::unique_ptr<ILightning> createLightning();

    // Once per frame.
    void update();
    // The current bolt, made on first use.
    ILightning* lightning();
    // Replaces the bolt and hands the new one to the view.
    void regenerate();
    void setView(ILightningView* view);
    ILightningView* view() const { return view_; }
    void setSoundManager(ILightningSoundManager* soundManager);
    // Thunder panned towards where the current bolt enters: -1 left edge, +1 right edge.
    void playThunder();

    // Whether the rain has reached full strength; bolts wait for it.
    bool rainAtFullStrength() const;
    const ILightningOptions& options() const { return options_; }

    class State {
    public:
        explicit State(LightningController& controller) : controller_(controller) {}
        virtual ~State() = default;
        State(const State&) = delete;
        State& operator=(const State&) = delete;
        virtual void update() = 0;

    protected:
        LightningController& controller_;
    };

    // Replaces the current state. A state calls it as the very last step of its update(): the
    // call destroys the caller.
    void setState(std::unique_ptr<State> state);

private:
    void notifyView();

    std::unique_ptr<State> state_;
    std::unique_ptr<ILightning> lightning_;
    ILightningView* view_ = nullptr;
    ILightningSoundManager* soundManager_ = nullptr;
    AreaRect area_;
    const ILightningOptions& options_;
    const IDropSystem& dropSystem_;
};

// Nothing shows until a random pause between the minimum and maximum interval has passed and
// the rain is at full strength; then a new bolt is made and displayed.
class WaitingState : public LightningController::State {
public:
    explicit WaitingState(LightningController& controller);
    void update() override;

private:
    int32_t delay_;
    uint32_t deadline_;
};

// The bolt flickers for 250..750 ms with the flash lit for its first 50..150 ms; thunder starts
// with it.
class DisplayingState : public LightningController::State {
public:
    explicit DisplayingState(LightningController& controller);
    void update() override;

private:
    void pickTogglePeriod();

    int32_t togglePeriod_ = 0;
    uint32_t nextToggle_ = 0;
    int32_t duration_ = 0;
    uint32_t endTime_ = 0;
    int32_t flashDuration_ = 0;
    uint32_t flashEnd_ = 0;
};
