#include "backends/qt/settings/AboutPage.h"

#include "backends/qt/settings/IPropertyPageHost.h"
#include "backends/qt/settings/StaticPictureControl.h"
#include "backends/qt/settings/UiTexts.h"
#include "settings/ControlHelp.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

AboutPage::AboutPage(IPropertyPageHost& host) : PropertyPageBase(host) {
    auto* logo = new StaticPictureControl(nullptr, logoResource);
    logo->setWhatsThis(UiTexts::whatsThis("AboutPage", ControlHelp::aboutPictureId));
    // The program has no icon file of its own; its picture stands in for it.
    host.sheetWindow()->setWindowIcon(QIcon(logo->pixmap()));
    auto* title = new QLabel(UiTexts::applicationTitle());
    QFont bigger = title->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    title->setFont(bigger);
    auto* description = new QLabel(tr("雨水落在玻璃上：雨滴流淌、汇合，映出后面的画面；"
                                      "不时有闪电和雷声。"));
    description->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(description);
    layout->addStretch(1);
}
