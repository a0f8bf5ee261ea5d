#include "installer/InstallerTexts.h"

#include "resources/UnitStrings.h"

namespace Installer {
namespace {

void replaceAll(std::string& text, const std::string& marker, const std::string& insert) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + insert.size())) {
        text.replace(at, marker.size(), insert);
    }
}

} // namespace

std::string text(Text id, const std::string& insert) {
    std::string result =
        Resources::loadUnitString(Resources::StringUnit::Installer, static_cast<uint32_t>(id));
    replaceAll(result, "%1", insert);
    return result;
}

std::string text(Text id, const std::string& first, const std::string& second) {
    std::string result = text(id, first);
    replaceAll(result, "%2", second);
    return result;
}

} // namespace Installer
