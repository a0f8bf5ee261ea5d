#pragma once

#include <cstddef>
#include <cstdint>

// One function per reader of bytes the saver does not control. libFuzzer calls them with the
// inputs it makes up; the test suite calls them with every input kept under corpus/. Each one
// returns normally for any input the reader rejects with an error of ours, and aborts when a
// reader breaks a promise of its own.
namespace FuzzTargets {

// A stored configuration value: read it, store it, read and store that again; the two stored
// values must be the same bytes.
int configurationValue(const uint8_t* data, std::size_t size);
// An object stream of the options' classes, read object by object to its end.
int objectStream(const uint8_t* data, std::size_t size);
int bmpPicture(const uint8_t* data, std::size_t size);
int jpegPicture(const uint8_t* data, std::size_t size);
// Scaling between two pictures whose sizes and formats the first bytes choose.
int pictureScaling(const uint8_t* data, std::size_t size);
// An uninstall script: what reads must store and read back equal, and store the same bytes. Its
// actions are never run.
int uninstallScript(const uint8_t* data, std::size_t size);

} // namespace FuzzTargets
