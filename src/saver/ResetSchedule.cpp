#include "saver/ResetSchedule.h"

ResetSchedule::ResetSchedule(bool enabled, int32_t periodSeconds, uint32_t now)
    : enabled_(enabled), periodMilliseconds_(static_cast<uint32_t>(periodSeconds) * 1000u),
      nextResetTime_(now + periodMilliseconds_) {}
