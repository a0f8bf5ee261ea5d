#pragma once

class QWidget;

// Opens the sheet's help when its Help button is pressed.
class IPropertySheetHelpProvider {
public:
    virtual ~IPropertySheetHelpProvider() = default;
    virtual void showHelp(QWidget* sheet) = 0;
};
