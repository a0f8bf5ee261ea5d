#include "app/SystemInformation.h"

#include <array>
#include <cstdio>

std::string directXLine(const GraphicsVersion& version) {
    std::array<char, 32> line{};
    std::snprintf(line.data(), line.size(), "DX: %d.%d", (version.version >> 8) & 0xFF,
                  version.version & 0xFF);
    std::string text = line.data();
    if (version.version == 0) {
        text += " (" + version.reason + ")";
    }
    return text;
}

std::string systemInformation(const std::string& productCaption, const GraphicsVersion& version) {
    return "PR: " + productCaption + "\r\n" + directXLine(version);
}
