#pragma once

#include <cstdint>
#include <string>

// Library units number their own texts from 0; the program places each unit's texts in its
// string table from a base, so a unit's text n is string base + n.
namespace Resources {

enum class StringUnit {
    DirectX,   // the display unit
    Installer, // the uninstaller
    Vantic,    // the shared screen-saver library: launcher, saver window and library controls
};

inline constexpr uint32_t directXStringBase = 1300;
inline constexpr uint32_t installerStringBase = 6000;
inline constexpr uint32_t vanticStringBase = 7000;

// Each unit starts with its base above; start-up may place a unit elsewhere. Safe to call while
// other threads load texts.
void setUnitStringBase(StringUnit unit, uint32_t base);
uint32_t unitStringBase(StringUnit unit);

// String unitStringBase(unit) + n; throws StringNotFoundError with that absolute id.
std::string loadUnitString(StringUnit unit, uint32_t n);

} // namespace Resources
