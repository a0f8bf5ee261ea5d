#pragma once

#include <QString>
#include <cstdint>

// Texts of the string table as the dialogs show them: in the user's language when a
// translation of them is loaded.
namespace UiTexts {

QString string(uint32_t id);
// The caption of the pages' error messages.
QString errorCaption();
// The product caption: the product's name and version.
QString applicationTitle();
// A control's What's This help, in the user's language; empty for a control without one.
QString whatsThis(const char* part, int controlId);

} // namespace UiTexts
