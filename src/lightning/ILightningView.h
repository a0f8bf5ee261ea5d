#pragma once

#include "lightning/AreaRect.h"
#include "lightning/ILightning.h"

#include <span>

// Puts the controller's bolt on screen: draw() after the rain, restore() after the frame has been
// presented, so that the rain layer stays clean for the next frame.
class ILightningView {
public:
    virtual ~ILightningView() = default;
    // The controller calls this whenever it makes a new bolt; the view does not own it.
    virtual void setLightning(ILightning* bolt) = 0;
    virtual ILightning* lightning() const = 0;
    // Paints flash and bolt as their flags say; returns the rectangles it painted over (none
    // when nothing), which is what the frame must present beyond the rain. They stay valid until
    // the next call.
    virtual std::span<const Pixels::PixelRect> draw() = 0;
    // Puts back what the last draw() painted over; returns those rectangles (none when
    // nothing), which the next frame must present so that the bolt or flash leaves the screen.
    virtual std::span<const Pixels::PixelRect> restore() = 0;
    // Rebuilds the flash image from what the target shows now, after a new background.
    virtual void createFlash() = 0;
};
