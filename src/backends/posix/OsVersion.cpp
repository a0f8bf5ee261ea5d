#include "backends/posix/OsVersion.h"

#include "errors/OsVersion.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace Posix {
namespace {

// "6.1.76-1-amd64" gives 6, 1 and 76; a missing or unreadable part counts 0.
std::array<int, 3> releaseNumbers(std::string_view release) {
    std::array<int, 3> numbers{};
    std::size_t position = 0;
    for (int& number : numbers) {
        int value = 0;
        bool anyDigit = false;
        while (position < release.size() && release[position] >= '0' && release[position] <= '9' &&
               value < 100000) {
            value = value * 10 + (release[position] - '0');
            anyDigit = true;
            ++position;
        }
        number = value;
        if (!anyDigit || position >= release.size() || release[position] != '.') {
            break;
        }
        ++position;
    }
    return numbers;
}

// The fields are fixed arrays; one filled to the end has no terminator.
template <std::size_t size> std::string_view field(const char (&text)[size]) {
    std::size_t length = 0;
    while (length < size && text[length] != '\0') {
        ++length;
    }
    return {text, length};
}

} // namespace

std::string osVersionText(const utsname& system) {
    const std::array<int, 3> release = releaseNumbers(field(system.release));
    std::string text = std::to_string(release[0]) + "." + std::to_string(release[1]) + " (" +
                       std::to_string(release[2]) + ")";
    for (const std::string_view part : {field(system.sysname), field(system.release),
                                        field(system.version), field(system.machine)}) {
        text += ' ';
        text += part;
    }
    return text;
}

} // namespace Posix

std::string osVersionText() {
    utsname system{};
    if (uname(&system) != 0) {
        return Posix::osVersionText(utsname{});
    }
    return Posix::osVersionText(system);
}
