#pragma once

// What the sound reads from the user's settings. Volumes run from 0.0 to 1.0.
class ISoundOptions {
public:
    virtual ~ISoundOptions() = default;
    virtual bool soundEnabled() const = 0;
    virtual float rainVolume() const = 0;
    virtual float thunderVolume() const = 0;
};
