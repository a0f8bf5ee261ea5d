#include "resources/EmbeddedResources.h"
#include "resources/ResourceErrors.h"

// Shared by every system: only the lookUp of the resources differs.
namespace Resources {

Bytes findResource(std::string_view type, std::string_view name) {
    if (const auto found = lookUp(type, name)) {
        return *found;
    }
    throw ResourceNotFoundError(name);
}

Bytes findResource(std::string_view type, int32_t id) {
    if (const auto found = lookUp(type, id)) {
        return *found;
    }
    throw ResourceNotFoundError(id);
}

} // namespace Resources
