#pragma once

namespace Sdl {

// Keeps SDL's video and event subsystems up while it lives. SDL counts the users of a subsystem,
// so the display and the window can each hold one.
class SdlVideoSession {
public:
    SdlVideoSession();
    ~SdlVideoSession();
    SdlVideoSession(const SdlVideoSession&) = delete;
    SdlVideoSession& operator=(const SdlVideoSession&) = delete;
};

} // namespace Sdl
