#pragma once

#include "app/GraphicsVersion.h"

#include <string>

// "DX: major.minor", followed by " (reason)" when the probe failed.
std::string directXLine(const GraphicsVersion& version);

// The head of the detailed error report: "PR: " caption, a line break, the DirectX line.
std::string systemInformation(const std::string& productCaption, const GraphicsVersion& version);
