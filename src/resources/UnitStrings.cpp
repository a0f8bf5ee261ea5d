#include "resources/UnitStrings.h"

#include "resources/Strings.h"

#include <array>
#include <atomic>
#include <cstddef>

namespace Resources {

namespace {

// Starting from the real bases rather than 0: a unit asked for its text before start-up ran
// would otherwise silently read one of the program's own strings (7001 would become 1).
std::array<std::atomic<uint32_t>, 3> unitBases{directXStringBase, installerStringBase,
                                               vanticStringBase};

std::atomic<uint32_t>& baseOf(StringUnit unit) {
    return unitBases.at(static_cast<std::size_t>(unit));
}

} // namespace

void setUnitStringBase(StringUnit unit, uint32_t base) {
    baseOf(unit).store(base);
}

uint32_t unitStringBase(StringUnit unit) {
    return baseOf(unit).load();
}

std::string loadUnitString(StringUnit unit, uint32_t n) {
    return loadString(unitStringBase(unit) + n);
}

} // namespace Resources
