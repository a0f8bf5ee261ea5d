#pragma once

#include <cstdint>

// Milliseconds to wait after a frame that took workMilliseconds, so that the saver's own work
// takes maxCpuLoad percent of the time. A share of 0 would divide by zero and is taken as 1.
uint32_t idleMilliseconds(uint32_t workMilliseconds, int32_t maxCpuLoad);
