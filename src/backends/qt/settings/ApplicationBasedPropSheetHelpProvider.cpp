#include "backends/qt/settings/ApplicationBasedPropSheetHelpProvider.h"

#include "backends/qt/settings/UiTexts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

QString ApplicationBasedPropSheetHelpProvider::helpText() {
    return QCoreApplication::translate(
        "Help",
        "<h2>屏幕保护程序设置</h2>"
        "<p>每一页设置屏幕保护程序的一个方面。按<b>确定</b>保存所有打开过的页面上的更改，"
        "按<b>取消</b>放弃更改。</p>"
        "<h3>雨滴</h3><p>雨的密度、雨滴的大小、风力、风向和雨滴流动的速度。"
        "最小雨滴半径不能大于最大雨滴半径。</p>"
        "<h3>闪电</h3><p>是否显示闪电和闪光，两道闪电之间的最短和最长间隔，"
        "以及闪电和闪光的颜色。“高级”对话框中的更改按其确定按钮后立即生效。</p>"
        "<h3>显示</h3><p>屏幕保护程序使用的显示模式，以及用作背景的图片。"
        "列表为空时，用桌面作背景。</p>"
        "<h3>声音</h3><p>雨声和雷声的开关及音量。</p>"
        "<h3>控制</h3><p>处理器占用率的上限、结束屏幕保护程序的方式，以及定期重置屏幕。</p>"
        "<p>要查看某个控件的说明，点击“这是什么?”按钮，然后点击该控件，或按 Shift+F1。</p>");
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
