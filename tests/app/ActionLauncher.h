#pragma once

#include "app/ScreenSaverLauncher.h"

#include <functional>
#include <string>
#include <vector>

// A launcher whose every mode runs the given action.
class ActionLauncher : public ScreenSaverLauncher {
public:
    ActionLauncher(std::function<void()> action, std::vector<std::string>& log)
        : ScreenSaverLauncher(CommandLine{}), action_(std::move(action)), log_(log) {}
    ~ActionLauncher() override { log_.push_back("launcher gone"); }

protected:
    void runSaver() override { act(); }
    void runSettings(int32_t) override { act(); }
    void runPreview(int32_t) override { act(); }
    void runUninstaller() override { act(); }

private:
    void act() {
        log_.push_back("run");
        action_();
    }
    std::function<void()> action_;
    std::vector<std::string>& log_;
};
