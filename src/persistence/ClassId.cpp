#include "persistence/ClassId.h"

#include <cstdio>

namespace Persistence {

std::string registryForm(const ClassId& id) {
    const auto field = [&id](int first, int count) {
        uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i) {
            value = value << 8 | id[static_cast<std::size_t>(first + i)];
        }
        return value;
    };
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  field(0, 4), field(4, 2), field(6, 2), id[8], id[9], id[10], id[11], id[12],
                  id[13], id[14], id[15]);
    return text;
}

} // namespace Persistence
