#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Call-stack texts for the error report. Each frame gives the eight words above it (what the
// caller left on its stack) and then one line: "->", the return address, the segment number and
// offset in the module, and the module's file name. None of them throws: an unreadable or
// implausible frame ends the walk and the text built so far remains.

// Follows the chain of saved frame pointers, starting at the given frame. Every word is read
// through a checked read, so any pointer at all is safe to pass.
std::string callStackText(uintptr_t framePointer);

// Unwinds the calling thread from the frame that the given return address leads back to,
// leaving out framesToSkip further callers. Works whether or not frame pointers are kept; it
// trusts the unwind tables and the registers saved on the stack to be intact.
std::string callStackTextFrom(uintptr_t returnAddress, int framesToSkip);

// Lists the callers of the function that a signal now being handled on this thread interrupted
// at the given instruction; none when no such interrupted frame is on the stack.
std::optional<std::string> callStackTextOfInterrupted(uintptr_t instructionAddress);
