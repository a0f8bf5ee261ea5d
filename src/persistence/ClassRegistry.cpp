#include "persistence/ClassRegistry.h"

namespace Persistence {

ClassRegistry& ClassRegistry::instance() {
    // Created on first use, so registrations from any source file's static initialisation
    // find it ready whatever the order of initialisation.
    static ClassRegistry registry;
    return registry;
}

void ClassRegistry::registerClass(const ClassId& id, Factory factory) {
    factories_[id] = factory;
}

Factory ClassRegistry::find(const ClassId& id) const {
    const auto found = factories_.find(id);
    return found == factories_.end() ? nullptr : found->second;
}

} // namespace Persistence
