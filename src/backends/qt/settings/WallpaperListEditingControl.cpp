#include "backends/qt/settings/WallpaperListEditingControl.h"

#include "backends/qt/settings/ControlIds.h"
#include "backends/qt/settings/UiTexts.h"
#include "backends/qt/settings/ValidationMessage.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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
    for (const WallpaperEntry& entry : model_.entries()) {
        appendItem(entry);
    }
    (model_.fixedOrderInitially() ? fixedOrder_ : randomOrder_)->setChecked(true);
    connect(list_->model(), &QAbstractItemModel::rowsMoved, this,
            &WallpaperListEditingControl::followMovedRow);

    auto* add = new QPushButton(tr("增加(&A)"));
    add->setObjectName("addWallpaper");
    auto* remove = new QPushButton(tr("移除(&R)"));
    remove->setObjectName("removeWallpaper");
    ControlIds::assign(*list_, WallpaperListEditorModel::listId);
    ControlIds::assign(*add, WallpaperListEditorModel::addId);
    ControlIds::assign(*remove, WallpaperListEditorModel::removeId);
    ControlIds::assign(*fixedOrder_, WallpaperListEditorModel::fixedOrderId);
    ControlIds::assign(*randomOrder_, WallpaperListEditorModel::randomOrderId);
    connect(add, &QPushButton::clicked, this, &WallpaperListEditingControl::chooseFiles);
    connect(remove, &QPushButton::clicked, this, &WallpaperListEditingControl::removeSelected);
    list_->setWhatsThis(
        UiTexts::whatsThis("WallpaperListEditingControl", WallpaperListEditorModel::listId));
    add->setWhatsThis(
        UiTexts::whatsThis("WallpaperListEditingControl", WallpaperListEditorModel::addId));
    remove->setWhatsThis(
        UiTexts::whatsThis("WallpaperListEditingControl", WallpaperListEditorModel::removeId));
    fixedOrder_->setWhatsThis(
        UiTexts::whatsThis("WallpaperListEditingControl", WallpaperListEditorModel::fixedOrderId));
    randomOrder_->setWhatsThis(
        UiTexts::whatsThis("WallpaperListEditingControl", WallpaperListEditorModel::randomOrderId));

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
    model_.apply(fixedOrder_->isChecked());
}

void WallpaperListEditingControl::addFiles(const QStringList& paths) {
    // One at a time, so that each refusal is said before the next file is looked at.
    for (const QString& path : paths) {
        const std::vector<ValidationFailure> refused = model_.add({path.toStdString()});
        if (refused.empty()) {
            appendItem(model_.entries().back());
        } else {
            showValidationFailure(window(), refused.front());
        }
    }
}

QStringList WallpaperListEditingControl::paths() const {
    QStringList result;
    for (const std::string& path : model_.paths()) {
        result.append(QString::fromStdString(path));
    }
    return result;
}

void WallpaperListEditingControl::moveEntry(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= list_->count() || to >= list_->count()) {
        return;
    }
    // Through the list's Qt model, as Qt's own drag moves rows, so both are followed alike.
    const int before = to > from ? to + 1 : to;
    list_->model()->moveRow(QModelIndex(), from, QModelIndex(), before);
    list_->setCurrentRow(to);
}

void WallpaperListEditingControl::chooseFiles() {
    // Qt's chooser takes blank-separated patterns and matches them in any case.
    const QString filter =
        UiTexts::string(WallpaperListEditorModel::filterDescription) + " (*.bmp *.jpg *.jpeg)";
    addFiles(QFileDialog::getOpenFileNames(this, QString(), QString(), filter));
}

void WallpaperListEditingControl::removeSelected() {
    const int row = list_->currentRow();
    if (model_.remove(row)) {
        delete list_->takeItem(row);
    }
}

void WallpaperListEditingControl::appendItem(const WallpaperEntry& entry) {
    auto* item = new QListWidgetItem(QString::fromStdString(entry.text), list_);
    item->setToolTip(QString::fromStdString(entry.path));
}

void WallpaperListEditingControl::followMovedRow(const QModelIndex&, int start, int,
                                                 const QModelIndex&, int destination) {
    // Qt names the row the moved one went before, counted before the move.
    model_.move(start, destination > start ? destination - 1 : destination);
}
