#pragma once

// Plays a thunder clap at the start of every display of a bolt.
class ILightningSoundManager {
public:
    virtual ~ILightningSoundManager() = default;
    // pan: -1 full left .. +1 full right.
    virtual void playThunder(float pan) = 0;
};
