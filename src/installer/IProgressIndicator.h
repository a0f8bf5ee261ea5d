#pragma once

#include <string>

namespace Installer {

// Where an action reports how far the run has come and what it is doing.
class IProgressIndicator {
public:
    virtual ~IProgressIndicator() = default;
    // steps: actions done within the current one (1.0 when it is complete).
    virtual void advance(float steps) = 0;
    virtual void setText(const std::string& text) = 0;
};

} // namespace Installer
