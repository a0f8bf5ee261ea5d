#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Up to count of the machine's words from the address, four to a line, each line led by the address
// of its first word; the dump ends at the first word that cannot be read.
std::string stackWordsText(uintptr_t address, std::size_t count);
