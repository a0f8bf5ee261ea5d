#pragma once

namespace Installer {

// The product's uninstall key name, under which its entry lies.
inline constexpr const char* productUninstallKeyName = "{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}";
// The maker's key above the product's settings, and the value that holds the settings.
inline constexpr const char* makerKey = "Software\\Quorvel";
inline constexpr const char* settingsValueName = "Configuration";

} // namespace Installer
