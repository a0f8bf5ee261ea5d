#pragma once

#include "persistence/ClassId.h"
#include "persistence/IStreamableObject.h"

#include <map>
#include <memory>

namespace Persistence {

class InputStream;

// Rebuilds an object of one class by reading its body.
using Factory = std::unique_ptr<IStreamableObject> (*)(InputStream& stream);

// Which factory rebuilds which class: filled during static initialisation, one registration
// per storable class, and consulted by InputStream::readObject.
class ClassRegistry {
public:
    static ClassRegistry& instance();

    void registerClass(const ClassId& id, Factory factory);
    // The class's factory, or nullptr when the class is unknown.
    Factory find(const ClassId& id) const;

private:
    std::map<ClassId, Factory> factories_;
};

// A static object of this type in a class's source file registers the class.
struct ClassRegistration {
    ClassRegistration(const ClassId& id, Factory factory) {
        ClassRegistry::instance().registerClass(id, factory);
    }
};

} // namespace Persistence
