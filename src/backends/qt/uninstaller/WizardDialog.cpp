#include "backends/qt/uninstaller/WizardDialog.h"

#include "backends/qt/uninstaller/WizardPictures.h"
#include "installer/InstallerTexts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace Installer {

namespace {

constexpr const char* backCaption = "< &Back";
constexpr const char* cancelCaption = "Cancel";
constexpr int pageWidth = 480;
constexpr int pageHeight = 260;

} // namespace

WizardDialog::WizardDialog(IWizard& wizard, const std::string& title, QWidget* parent)
    : QDialog(parent), wizard_(wizard), title_(title), pagePlaceholder_(new QVBoxLayout),
      back_(new QPushButton(backCaption, this)),
      next_(new QPushButton(QString::fromStdString(text(Text::next)), this)),
      cancel_(new QPushButton(cancelCaption, this)) {
    setWindowTitle(QString::fromStdString(title));
    setWindowIcon(WizardPictures::windowIcon());
    setModal(true);

    auto* placeholder = new QWidget(this);
    placeholder->setMinimumSize(pageWidth, pageHeight);
    placeholder->setLayout(pagePlaceholder_);
    pagePlaceholder_->setContentsMargins(0, 0, 0, 0);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    next_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(back_);
    buttons->addWidget(next_);
    buttons->addSpacing(next_->sizeHint().width() / 4);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, layout->contentsMargins().bottom());
    layout->addWidget(placeholder, 1);
    layout->addWidget(line);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(layout->spacing(), 0, layout->spacing(), 0);
    buttonRow->addLayout(buttons);
    layout->addLayout(buttonRow);

    connect(back_, &QPushButton::clicked, this, [this] { goBack(); });
    connect(next_, &QPushButton::clicked, this, [this] { pressNext(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

    showCurrentPage();
}

// The page goes while the dialog is whole: it may still have to wait for its work.
WizardDialog::~WizardDialog() {
    page_.reset();
}

void WizardDialog::enableNext(bool enabled) {
    next_->setEnabled(enabled);
}

void WizardDialog::enableBack(bool enabled) {
    back_->setEnabled(enabled);
}

void WizardDialog::enableCancel(bool enabled) {
    cancel_->setEnabled(enabled);
}

void WizardDialog::setNextCaption(const std::string& caption) {
    next_->setText(QString::fromStdString(caption));
}

void WizardDialog::pressNext() {
    if (cancelPending_) {
        end(cancelled);
        return;
    }
    if (!page_->mayLeave()) {
        return;
    }
    if (!wizard_.hasNext()) {
        end(finished);
        return;
    }
    wizard_.next();
    showCurrentPage();
}

void WizardDialog::reject() {
    if (confirmation_ != nullptr || cancelPending_ || !userConfirmsCancel()) {
        return;
    }
    // Work still running would outlive its page: it is stopped first, and its end presses Next.
    if (page_->interruptWork()) {
        cancelPending_ = true;
        return;
    }
    end(cancelled);
}

// Escape is the Cancel button's key, and does nothing while the button is disabled.
void WizardDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !cancel_->isEnabled()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WizardDialog::showCurrentPage() {
    page_.reset();
    page_ = wizard_.createCurrentPage(this, *this);
    pagePlaceholder_->addWidget(page_.get());
    page_->show();
    enableNext(true);
    enableBack(true);
    enableCancel(true);
    next_->setFocus();
    setNextCaption(text(wizard_.hasNext() ? Text::next : Text::finish));
    page_->activate();
}

void WizardDialog::goBack() {
    wizard_.back();
    showCurrentPage();
}

// A question still open is moot once the wizard ends: it is closed as if answered No.
void WizardDialog::end(int result) {
    if (confirmation_ != nullptr) {
        confirmation_->done(QMessageBox::No);
    }
    done(result);
}

bool WizardDialog::userConfirmsCancel() {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title_),
                    QString::fromStdString(text(Text::interruptQuestion, title_)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    confirmation_ = &box;
    const int answer = box.exec();
    confirmation_ = nullptr;
    return answer == QMessageBox::Yes;
}

} // namespace Installer
