#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

// Data built into the executable from the files under resources/. A resource is found by its
// type ("RCDATA", "BITMAP", ...) and either a numeric id or a name.
namespace Resources {

struct EmbeddedResource {
    const char* type;
    int32_t id; // -1 for resources known by name
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
};

extern const EmbeddedResource embeddedResources[];
extern const std::size_t embeddedResourceCount;

using Bytes = std::span<const unsigned char>;

std::optional<Bytes> lookUp(std::string_view type, std::string_view name);
std::optional<Bytes> lookUp(std::string_view type, int32_t id);

// As lookUp, for resources the program cannot do without: throws ResourceNotFoundError.
Bytes findResource(std::string_view type, std::string_view name);
Bytes findResource(std::string_view type, int32_t id);

} // namespace Resources
