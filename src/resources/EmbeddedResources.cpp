#include "resources/EmbeddedResources.h"

#include "resources/ResourceErrors.h"

namespace Resources {

namespace {

template <typename Matches> std::optional<Bytes> findFirst(Matches matches) {
    for (std::size_t i = 0; i < embeddedResourceCount; ++i) {
        const EmbeddedResource& resource = embeddedResources[i];
        if (matches(resource)) {
            return Bytes(resource.begin, resource.end);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Bytes> lookUp(std::string_view type, std::string_view name) {
    return findFirst([&](const EmbeddedResource& resource) {
        return resource.id < 0 && type == resource.type && name == resource.name;
    });
}

std::optional<Bytes> lookUp(std::string_view type, int32_t id) {
    return findFirst([&](const EmbeddedResource& resource) {
        return resource.id == id && type == resource.type;
    });
}

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
