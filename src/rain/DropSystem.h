#pragma once

#include "options/IDropSystemOptions.h"
#include "platform/MillisecondClock.h"
#include "rain/Drop.h"
#include "rain/DropGrid.h"
#include "rain/DropSystemListener.h"
#include "rain/IDrawer.h"
#include "rain/IDropSystem.h"
#include "rain/ListenerSubject.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// All the drops on one picture. It spawns new drops, steps every drop at a fixed rate, removes
// those that ran off or were absorbed and tells its listeners after each step.
class DropSystem final : public IDropSystem,
                         public ListenerSubject<DropSystemListener, IDropSystem> {
public:
    // The ramp-up and the step pacing are measured on clock from now on.
    DropSystem(int32_t width, int32_t height, IDrawer& drawer,
               IMillisecondClock& clock = systemClock());
    ~DropSystem() override;

    DropSystem(const DropSystem&) = delete;
    DropSystem& operator=(const DropSystem&) = delete;

    void applyOptions(const IDropSystemOptions& options);
    // Takes one step if its time has come; the owner calls it every frame. Steps missed while
    // frames were slow are not made up.
    void update();
    // Destroys every drop; the owner resets the drawer's map along with it.
    void clear();
    std::size_t dropCount() const { return drops_.size(); }

    // The grid finds exactly the drop the search through the whole list finds, only faster; the
    // list search stays for comparison.
    enum class Lookup { Grid, List };
    void setLookup(Lookup lookup) { lookup_ = lookup; }

    Drop* findDropAt(int32_t px, int32_t py, int32_t pr) override;
    float rampElapsed() const override;
    float rampLength() const override;
    // Milliseconds of the clock the system paces itself by.
    uint32_t now() const;

private:
    void spawnDrops();
    void spawnDrop();
    void moveDrops();
    void moveDrop(uint32_t index);
    void prefetchAhead(uint32_t index) const;
    Drop* findInList(int32_t px, int32_t py, int32_t pr);
    Drop* findInGrid(int32_t px, int32_t py, int32_t pr);
    void rebuildGrid();
    void purgeMarkedDrops();
    bool isMarkedForRemoval(const Drop& drop) const;
    uint32_t stepPeriod() const;

    IDrawer& drawer_;
    IMillisecondClock& clock_;
    // In spawn order.
    std::vector<std::unique_ptr<Drop>> drops_;
    // Drops gone during the current step; kept between steps so marking does not allocate.
    std::vector<const Drop*> markedForRemoval_;
    Lookup lookup_ = Lookup::Grid;
    DropGrid grid_;
    // False once the list changed in a way the grid has not followed.
    bool gridIsCurrent_ = false;
    // The drop being moved: it may move while it probes, so the grid's record of it is old.
    static constexpr uint32_t noDrop = UINT32_MAX;
    uint32_t movingIndex_ = noDrop;
    // The largest radius any drop has had: how far from a probe a centre can lie.
    int32_t largestRadius_ = 0;
    float density_ = 30.0f;
    bool densityRampUp_ = false;
    uint32_t startTime_;
    int32_t width_;
    int32_t height_;
    int32_t windX_ = 50;
    int32_t windY_ = 20;
    int32_t minRadius_ = 3;
    int32_t radiusSpread_ = 7;
    // Steps per second.
    int32_t speed_ = 30;
    uint32_t nextTime_;
};
