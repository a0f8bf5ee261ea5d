#pragma once

#include <QWidget>

class IPropertyPageHost;
struct ValidationFailure;

// A page of the settings sheet. It copies the options into its controls when it is made, checks
// them when the user leaves it and writes them back when the sheet closes with OK.
class PropertyPageBase : public QWidget {
    Q_OBJECT

public:
    explicit PropertyPageBase(IPropertyPageHost& host);

    // Writes every control back into the options.
    virtual void apply() {}
    // False keeps the user on the page; the page has said why and put the focus where to fix it.
    virtual bool validate() { return true; }
    virtual void onActivate() {}
    virtual void onDeactivate() {}

protected:
    IPropertyPageHost& host() { return host_; }
    // Says why the page may not be left, in a message box owned by the sheet.
    void showFailure(const ValidationFailure& failure);

private:
    IPropertyPageHost& host_;
};
