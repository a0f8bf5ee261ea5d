#pragma once

class QWidget;

// What a page may ask of the sheet that shows it.
class IPropertyPageHost {
public:
    virtual ~IPropertyPageHost() = default;
    // The sheet's window: the owner of the page's message boxes and dialogs.
    virtual QWidget* sheetWindow() = 0;
};
