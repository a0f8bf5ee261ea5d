#include "backends/qt/settings/PropertyPagesSheet.h"

#include "backends/qt/settings/IPropertySheetHelpProvider.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWhatsThis>

PropertyPagesSheet::PropertyPagesSheet(QWidget* parent, const QString& caption,
                                       IPropertySheetHelpProvider* help)
    : QDialog(parent), tabs_(new QTabWidget(this)), buttons_(new QDialogButtonBox(this)),
      body_(new QHBoxLayout), help_(help) {
    setWindowTitle(caption);
    buttons_->addButton(QDialogButtonBox::Ok);
    buttons_->addButton(QDialogButtonBox::Cancel);
    if (help_ != nullptr) {
        buttons_->addButton(QDialogButtonBox::Help);
        connect(buttons_, &QDialogButtonBox::helpRequested, this, &PropertyPagesSheet::showHelp);
    }
    QPushButton* whatsThis = buttons_->addButton(tr("这是什么(&W)?"), QDialogButtonBox::ResetRole);
    whatsThis->setWhatsThis(tr("点击此按钮，然后点击任何控件，即可查看它的说明。"));
    connect(whatsThis, &QPushButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });
    buttons_->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertyPagesSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertyPagesSheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &PropertyPagesSheet::onTabChanged);

    auto* layout = new QVBoxLayout(this);
    body_->addWidget(tabs_, 1);
    layout->addLayout(body_);
    layout->addWidget(buttons_);
    // Pages are made as they are opened; a size that fits them all keeps the sheet still.
    resize(540, 460);
}

void PropertyPagesSheet::addPage(PropertyPageDescriptor descriptor) {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    entries_.push_back({std::move(descriptor), tab, nullptr});
    const QSignalBlocker quiet(tabs_);
    tabs_->addTab(tab, entries_.back().descriptor.caption);
}

void PropertyPagesSheet::setSideWidget(QWidget* widget) {
    body_->addWidget(widget, 0, Qt::AlignTop);
    resize(width() + widget->sizeHint().width() + body_->spacing(), height());
}

int PropertyPagesSheet::run() {
    if (!entries_.empty()) {
        setTabWithoutNotice(0);
        activate(0);
    }
    return exec();
}

PropertyPageBase* PropertyPagesSheet::page(int index) {
    Entry& entry = entries_.at(static_cast<std::size_t>(index));
    if (entry.page == nullptr) {
        std::unique_ptr<PropertyPageBase> made = entry.descriptor.create(*this);
        entry.page = made.release();
        entry.tab->layout()->addWidget(entry.page);
    }
    return entry.page;
}

int PropertyPagesSheet::currentIndex() const {
    return tabs_->currentIndex();
}

void PropertyPagesSheet::showPage(int index) {
    if (shownIndex_ < 0) {
        setTabWithoutNotice(index);
        activate(index);
        return;
    }
    tabs_->setCurrentIndex(index);
}

void PropertyPagesSheet::accept() {
    if (shownIndex_ >= 0) {
        PropertyPageBase* current = entries_[static_cast<std::size_t>(shownIndex_)].page;
        if (!current->validate()) {
            return;
        }
        current->onDeactivate();
    }
    for (Entry& entry : entries_) {
        if (entry.page != nullptr) {
            entry.page->apply();
        }
    }
    QDialog::accept();
}

// The tab has already changed when Qt says so: the old page is put back on show while it is
// asked, so that its message and the focus it sets land on the page the user sees.
void PropertyPagesSheet::onTabChanged(int index) {
    if (shownIndex_ >= 0 && shownIndex_ != index) {
        const int leaving = shownIndex_;
        setTabWithoutNotice(leaving);
        PropertyPageBase* current = entries_[static_cast<std::size_t>(leaving)].page;
        if (!current->validate()) {
            return;
        }
        current->onDeactivate();
        setTabWithoutNotice(index);
    }
    activate(index);
}

void PropertyPagesSheet::activate(int index) {
    shownIndex_ = index;
    const bool firstTime = entries_[static_cast<std::size_t>(index)].page == nullptr;
    PropertyPageBase* shown = page(index);
    // A page that names where its work starts gets the focus there when it first opens.
    if (firstTime && shown->focusProxy() != nullptr) {
        shown->focusProxy()->setFocus();
    }
    shown->onActivate();
}

void PropertyPagesSheet::setTabWithoutNotice(int index) {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(index);
}

void PropertyPagesSheet::showHelp() {
    help_->showHelp(this);
}
