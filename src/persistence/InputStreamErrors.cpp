#include "persistence/InputStream.h"

#include <cstdio>
#include <string>

namespace Persistence {

namespace {

std::string withPrefix(const std::string& text) {
    return "InputStream: " + text;
}

std::string upperHex(std::streamoff value) {
    char text[17];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

// Each constructor passes 1 so that the error's call stack starts at whoever threw it.

InputStream::BadObjectInStream::BadObjectInStream(std::streamoff markerPosition)
    : Error(withPrefix("Bad object in stream at " + upperHex(markerPosition)), 1) {}

InputStream::UnknownClassInStream::UnknownClassInStream(const ClassId& id)
    : Error(withPrefix("Unknown class in input stream: " + registryForm(id)), 1) {}

InputStream::CouldNotRead::CouldNotRead() : Error(withPrefix("Could not read input stream"), 1) {}

InputStream::MappedObjectNotFound::MappedObjectNotFound()
    : Error(withPrefix("Mapped object not found in input stream"), 1) {}

InputStream::MappedClassNotFound::MappedClassNotFound(uint32_t classIndex)
    : Error(withPrefix("Class index outside class map: " + std::to_string(classIndex)), 1) {}

} // namespace Persistence
