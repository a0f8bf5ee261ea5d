#pragma once

#include "persistence/InputStream.h"

#include <memory>

namespace Installer {

// Reads an object of the given class from a stream and hands it over; a stored object of any
// other class, or a reference back to one read earlier, is taken for damage: a script's actions
// are its own.
template <typename T> std::unique_ptr<T> readObjectOf(Persistence::InputStream& stream) {
    Persistence::ReadObjectResult result = stream.readObject();
    std::unique_ptr<T> object = result.releaseAs<T>();
    if (!object) {
        throw Persistence::InputStream::CouldNotRead();
    }
    return object;
}

} // namespace Installer
