#include "backends/qt/settings/UiTexts.h"

#include "resources/Strings.h"
#include "settings/ControlHelp.h"
#include "settings/ValidationFailure.h"

#include <QCoreApplication>

namespace UiTexts {

namespace {

constexpr uint32_t productName = 1;
constexpr const char* productVersion = "2.2.17";

} // namespace

QString string(uint32_t id) {
    const std::string text = Resources::loadString(id);
    return QCoreApplication::translate("StringTable", text.c_str());
}

QString errorCaption() {
    return string(ValidationFailure::errorCaptionString);
}

QString applicationTitle() {
    return string(productName) + " " + productVersion;
}

QString whatsThis(const char* part, int controlId) {
    const char* text = ControlHelp::textFor(part, controlId);
    return text == nullptr ? QString() : QCoreApplication::translate(part, text);
}

} // namespace UiTexts
