#include "resources/Strings.h"

#include "resources/EmbeddedResources.h"
#include "resources/ResourceErrors.h"
#include "resources/StringTable.h"

namespace Resources {

namespace {

std::string_view embeddedStringTableSource() {
    const Bytes bytes = findResource("TEXT", "STRINGTABLE");
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

const StringTable& programStringTable() {
    // A function-local static parses exactly once, even with the installer's worker thread
    // asking for its texts at the same time as the user-interface thread.
    static const StringTable table = StringTable::parse(embeddedStringTableSource());
    return table;
}

} // namespace

std::string loadString(uint32_t id) {
    const std::string* text = programStringTable().find(id);
    if (text == nullptr) {
        throw StringNotFoundError(id);
    }
    return *text;
}

} // namespace Resources
