#pragma once

#include <cstdint>
#include <functional>

// The process-wide 15-bit generator that drops and bolts draw from. It is the classic
// multiplicative LCG, kept here rather than taken from the C library so that every platform
// produces the same rain for the same seed.

// Next draw, 0..32767.
int32_t rand15();

// Restarts the sequence; the program seeds once with the calendar time in seconds.
void seedRand15(uint32_t seed);

// Lets a test hand out scripted draws instead of the LCG's; an empty function restores the LCG.
void overrideRand15(std::function<int32_t()> source);

// (rand15 x range) >> 15: a uniform integer 0..range-1.
int32_t rand15Below(int32_t range);

// A rand15 percent, 0..99.
int32_t rand15Percent();
