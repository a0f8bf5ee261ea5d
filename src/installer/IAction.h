#pragma once

#include "installer/IProgressIndicator.h"

namespace Installer {

class IAction {
public:
    virtual ~IAction() = default;
    virtual void execute(IProgressIndicator& progress) = 0;
};

} // namespace Installer
