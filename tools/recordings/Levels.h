#pragma once

#include "Recording.h"

// Level measurements and adjustments over all channels of a recording.
namespace Levels {

double rmsDbfs(const Recording& recording);
double peakDbfs(const Recording& recording);
void scale(Recording& recording, double gain);
void scaleToRms(Recording& recording, double dbfs);
void scaleToPeak(Recording& recording, double dbfs);
// Leaves samples below knee alone and bends larger ones smoothly towards ceiling, so that a few
// loud transients do not set the level of the whole recording.
void softLimit(Recording& recording, float knee, float ceiling);

} // namespace Levels
