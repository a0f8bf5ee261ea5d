#pragma once

#include "backends/qt/settings/IPropertyPageHost.h"
#include "backends/qt/settings/PropertyPageDescriptor.h"

#include <QDialog>
#include <vector>

class IPropertySheetHelpProvider;
class QDialogButtonBox;
class QHBoxLayout;
class QTabWidget;

// The settings as a tab dialog with OK, Cancel and Help. A page is made the first time its tab is
// shown; leaving a page needs its consent; OK applies every page that was made, in page order.
class PropertyPagesSheet : public QDialog, public IPropertyPageHost {
    Q_OBJECT

public:
    // help may be null: the sheet then has no Help button. It must outlive the sheet.
    PropertyPagesSheet(QWidget* parent, const QString& caption, IPropertySheetHelpProvider* help);

    void addPage(PropertyPageDescriptor descriptor);
    // Shows a widget to the right of the pages; the sheet takes it.
    void setSideWidget(QWidget* widget);
    // Shows the sheet modally at its first page; QDialog::Accepted after OK.
    int run();

    QWidget* sheetWindow() override { return this; }

    // For the tests and the screenshots: the page on a tab, made when it is first asked for.
    PropertyPageBase* page(int index);
    int currentIndex() const;
    // Switches as a click on the tab would, including the current page's consent.
    void showPage(int index);

public slots:
    void accept() override;

private:
    struct Entry {
        PropertyPageDescriptor descriptor;
        QWidget* tab = nullptr;
        PropertyPageBase* page = nullptr; // owned by its tab once made
    };

    void onTabChanged(int index);
    void activate(int index);
    void setTabWithoutNotice(int index);
    void showHelp();

    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    QHBoxLayout* body_;
    IPropertySheetHelpProvider* help_;
    std::vector<Entry> entries_;
    int shownIndex_ = -1;
};
