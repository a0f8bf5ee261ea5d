#include "backends/qt/settings/PropertyPageBase.h"

#include "backends/qt/settings/IPropertyPageHost.h"

#include <QMessageBox>

PropertyPageBase::PropertyPageBase(IPropertyPageHost& host) : host_(host) {}

void PropertyPageBase::showError(const QString& caption, const QString& text) {
    QMessageBox::critical(host_.sheetWindow(), caption, text);
}
