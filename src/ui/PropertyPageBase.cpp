#include "ui/PropertyPageBase.h"

#include "ui/IPropertyPageHost.h"

#include <QMessageBox>

PropertyPageBase::PropertyPageBase(IPropertyPageHost& host) : host_(host) {}

void PropertyPageBase::showError(const QString& caption, const QString& text) {
    QMessageBox::critical(host_.sheetWindow(), caption, text);
}
