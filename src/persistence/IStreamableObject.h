#pragma once

#include "persistence/ClassId.h"

namespace Persistence {

class OutputStream;

// Anything that can be stored in an object stream. Each class also registers a factory that
// rebuilds an object from its body (see ClassRegistry).
class IStreamableObject {
public:
    virtual ~IStreamableObject() = default;
    virtual const ClassId& classId() const = 0;
    // Writes the object's body.
    virtual void write(OutputStream& stream) const = 0;
};

} // namespace Persistence
