#include "backends/qt/uninstaller/ProgressPage.h"

#include "installer/InstallerTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <thread>

namespace Installer {

namespace {

constexpr int defaultMaximum = 100;

} // namespace

// Called on the worker thread; returns when the page's thread has made the call.
template <typename Call> void ProgressPage::callOnPageThread(Call call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::BlockingQueuedConnection);
}

ProgressPage::ProgressPage(IWizardPageGUIHost& host, const Setup& setup)
    : host_(host), setup_(setup), actionText_(new QLabel(this)), bar_(new QProgressBar(this)) {
    actionText_->clear();
    actionText_->setWordWrap(true);
    bar_->setRange(0, defaultMaximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(actionText_);
    layout->addWidget(bar_);
    layout->addStretch(1);
}

ProgressPage::~ProgressPage() {
    waitForRunToEnd();
}

std::string ProgressPage::title() const {
    return text(Text::progressTitle);
}

std::string ProgressPage::description() const {
    return text(Text::progressDescription);
}

void ProgressPage::activate() {
    host_.enableNext(false);
    host_.enableBack(false);
    host_.enableCancel(false);
    IProgressView& view = *this;
    worker_ = std::make_unique<ProgressWorker>(
        setup_.script, view, [this] { callOnPageThread([this] { finishRun(); }); },
        setup_.finalPause);
    worker_->startThread();
    // The worker's reports wait for this thread, so none is handled before this is set.
    running_ = true;
}

bool ProgressPage::interruptWork() {
    if (!running_) {
        return false;
    }
    worker_->requestStop();
    return true;
}

QString ProgressPage::actionText() const {
    return actionText_->text();
}

// A bar whose range is empty would show Qt's busy animation; a script without actions shows an
// empty bar instead.
void ProgressPage::setRange(int minimum, int maximum) {
    callOnPageThread([this, minimum, maximum] {
        bar_->setRange(minimum, std::max(maximum, minimum + 1));
        bar_->setValue(minimum);
    });
}

void ProgressPage::setPosition(int position) {
    callOnPageThread([this, position] { bar_->setValue(position); });
}

void ProgressPage::setActionText(const std::string& text) {
    callOnPageThread([this, &text] { actionText_->setText(QString::fromStdString(text)); });
}

void ProgressPage::finishRun() {
    if (worker_->hasError() || worker_->stopped()) {
        setup_.script.setFailed(true);
    }
    if (worker_->hasError()) {
        reportError(*worker_->trap());
    }
    running_ = false;
    if (!closing_) {
        host_.pressNext();
    }
}

void ProgressPage::reportError(const Thread::IExceptionTrap& trap) {
    reportWorkerError(trap, setup_.reporter, setup_.title, setup_.systemInformation);
}

// The worker's reports are waiting for this thread: they are taken here, without touching the
// host, which may be gone, until the end of the run has come through.
void ProgressPage::waitForRunToEnd() {
    if (!running_) {
        return;
    }
    closing_ = true;
    worker_->requestStop();
    while (running_) {
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace Installer
