#pragma once

#include <cstdint>
#include <string>

namespace Resources {

// The text of string `id` of the program's string table. The table is read from the program's
// resources on first use; safe to call from any thread. Throws StringNotFoundError.
std::string loadString(uint32_t id);

} // namespace Resources
