#pragma once

// Something to do when the program is terminated abnormally, such as giving the display back.
class IAbnormalTerminationQueueAction {
public:
    virtual ~IAbnormalTerminationQueueAction() = default;
    virtual void run() = 0;
};
