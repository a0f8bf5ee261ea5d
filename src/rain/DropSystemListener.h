#pragma once

class IDropSystem;

// Told after every step the drop system actually takes.
class DropSystemListener {
public:
    virtual ~DropSystemListener() = default;
    virtual void dropSystemUpdated(IDropSystem& /*system*/) {}
};
