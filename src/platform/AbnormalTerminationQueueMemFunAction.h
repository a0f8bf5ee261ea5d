#pragma once

#include "platform/IAbnormalTerminationQueueAction.h"

// Calls one member operation of an object it does not own; whoever appends it must take it out of
// the queue before the object goes.
template <typename Object>
class AbnormalTerminationQueueMemFunAction : public IAbnormalTerminationQueueAction {
public:
    using Operation = void (Object::*)();

    AbnormalTerminationQueueMemFunAction(Object& object, Operation operation)
        : object_(object), operation_(operation) {}

    void run() override { (object_.*operation_)(); }

private:
    Object& object_;
    Operation operation_;
};
