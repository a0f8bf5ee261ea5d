#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Reads of memory that may be unmapped or protected. The diagnostics follow pointers taken from
// damaged stacks, so a failed read must be reported as such and never fault.
bool readMemory(uintptr_t address, void* destination, std::size_t size);

std::optional<uint64_t> readWord(uintptr_t address);
