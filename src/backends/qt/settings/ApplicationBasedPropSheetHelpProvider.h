#pragma once

#include "backends/qt/settings/IPropertySheetHelpProvider.h"

#include <QString>

// The program's own help, opened at its first topic.
class ApplicationBasedPropSheetHelpProvider : public IPropertySheetHelpProvider {
public:
    void showHelp(QWidget* sheet) override;
    // The help text in the user's language.
    static QString helpText();
};
