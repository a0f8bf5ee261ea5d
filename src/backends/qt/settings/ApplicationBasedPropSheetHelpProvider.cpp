#include "backends/qt/settings/ApplicationBasedPropSheetHelpProvider.h"

#include "backends/qt/settings/UiTexts.h"
#include "settings/ControlHelp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

QString ApplicationBasedPropSheetHelpProvider::helpText() {
    return QCoreApplication::translate("Help", ControlHelp::guide());
}

void ApplicationBasedPropSheetHelpProvider::showHelp(QWidget* sheet) {
    QDialog help(sheet);
    help.setObjectName("help");
    help.setWindowTitle(UiTexts::applicationTitle());
    auto* text = new QTextBrowser;
    text->setHtml(helpText());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &help, &QDialog::reject);
    auto* layout = new QVBoxLayout(&help);
    layout->addWidget(text);
    layout->addWidget(buttons);
    help.resize(480, 420);
    help.exec();
}
