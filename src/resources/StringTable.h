#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace Resources {

// Numbered texts read from the source form of resources/strings/stringtable.txt: one
// `id "text"` entry per line with C-style escapes, # comments and blank lines.
class StringTable {
public:
    // Throws Resources::Error naming the line of the first malformed or repeated entry, so that a
    // slip in the table shows up at the first lookup rather than as a wrong text somewhere.
    static StringTable parse(std::string_view source);

    // Null when the table holds no text under this id.
    const std::string* find(uint32_t id) const;
    std::size_t size() const { return texts_.size(); }

private:
    std::unordered_map<uint32_t, std::string> texts_;
};

} // namespace Resources
