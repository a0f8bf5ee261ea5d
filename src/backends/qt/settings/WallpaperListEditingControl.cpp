#include "backends/qt/settings/WallpaperListEditingControl.h"

#include "backends/qt/settings/UiTexts.h"
#include "images/ImageLoader.h"
#include "options/IWallpaperListModel.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr uint32_t filterDescription = 7010;
constexpr uint32_t unsupportedMessage = 7011;
constexpr int pathRole = Qt::UserRole;

} // namespace

WallpaperListEditingControl::WallpaperListEditingControl(QWidget* parent,
                                                         IWallpaperListModel& model)
    : QWidget(parent), model_(model), list_(new QListWidget),
      fixedOrder_(new QRadioButton(tr("固定顺序(&G)"))),
      randomOrder_(new QRadioButton(tr("随机顺序(&N)"))) {
    list_->setObjectName("wallpapers");
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setDefaultDropAction(Qt::MoveAction);
    fixedOrder_->setObjectName("fixedOrder");
    randomOrder_->setObjectName("randomOrder");
    for (const std::string& file : model.files()) {
        appendEntry(QString::fromStdString(file));
    }
    (model.orderMode() == IWallpaperListModel::fixedOrder ? fixedOrder_ : randomOrder_)
        ->setChecked(true);

    auto* add = new QPushButton(tr("增加(&A)"));
    add->setObjectName("addWallpaper");
    auto* remove = new QPushButton(tr("移除(&R)"));
    remove->setObjectName("removeWallpaper");
    connect(add, &QPushButton::clicked, this, &WallpaperListEditingControl::chooseFiles);
    connect(remove, &QPushButton::clicked, this, &WallpaperListEditingControl::removeSelected);
    list_->setWhatsThis(tr("屏幕保护程序轮流用作背景的图片。拖动一项可以改变顺序。列表为空时，"
                           "用桌面作背景。"));
    add->setWhatsThis(tr("选择一个或多个 BMP 或 JPEG 图片加入列表。"));
    remove->setWhatsThis(tr("从列表中移除选中的图片。图片文件本身不会被删除。"));
    fixedOrder_->setWhatsThis(tr("每次启动时按列表的顺序换下一张图片。"));
    randomOrder_->setWhatsThis(tr("每次启动时随机换一张图片。"));

    auto* order = new QGroupBox(tr("每次启动时改变背景:"));
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(fixedOrder_);
    orderLayout->addWidget(randomOrder_);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 0, 0, 3, 1);
    layout->addWidget(add, 0, 1);
    layout->addWidget(remove, 1, 1);
    layout->addWidget(order, 3, 0, 1, 2);
    layout->setRowStretch(2, 1);
}

void WallpaperListEditingControl::apply() {
    std::vector<std::string> files;
    for (const QString& path : paths()) {
        files.push_back(path.toStdString());
    }
    model_.setFiles(files);
    model_.setOrderMode(fixedOrder_->isChecked() ? IWallpaperListModel::fixedOrder
                                                 : IWallpaperListModel::randomOrder);
}

void WallpaperListEditingControl::addFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        if (Graphics::isSupportedImage(path.toStdString())) {
            appendEntry(path);
        } else {
            QMessageBox::critical(window(), UiTexts::applicationTitle(),
                                  UiTexts::string(unsupportedMessage).replace("%s", path));
        }
    }
}

QStringList WallpaperListEditingControl::paths() const {
    QStringList result;
    for (int row = 0; row < list_->count(); ++row) {
        result.append(list_->item(row)->data(pathRole).toString());
    }
    return result;
}

void WallpaperListEditingControl::moveEntry(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= list_->count() || to >= list_->count()) {
        return;
    }
    QListWidgetItem* item = list_->takeItem(from);
    list_->insertItem(to, item);
    list_->setCurrentItem(item);
}

void WallpaperListEditingControl::chooseFiles() {
    // Qt's chooser takes blank-separated patterns and matches them in any case.
    const QString filter = UiTexts::string(filterDescription) + " (*.bmp *.jpg *.jpeg)";
    addFiles(QFileDialog::getOpenFileNames(this, QString(), QString(), filter));
}

void WallpaperListEditingControl::removeSelected() {
    delete list_->takeItem(list_->currentRow());
}

void WallpaperListEditingControl::appendEntry(const QString& path) {
    auto* item = new QListWidgetItem(QFileInfo(path).fileName(), list_);
    item->setData(pathRole, path);
    item->setToolTip(path);
}
