#include "resources/EmbeddedResources.h"

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

} // namespace Resources
