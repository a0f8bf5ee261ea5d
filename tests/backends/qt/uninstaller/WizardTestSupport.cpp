#include "WizardTestSupport.h"

#include "errors/VerboseError.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

// One Qt application for every test, drawing without a display; it goes before the program's
// statics do, which Qt's input devices need.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application_.emplace(argumentCount_, arguments_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argumentCount_ = 1;
    char programName_[24] = "installer_dialogs_tests";
    char* arguments_[2] = {programName_, nullptr};
    std::optional<QApplication> application_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace

void ActionLog::add(const std::string& name) {
    std::unique_lock lock(mutex_);
    entries_.push_back(name);
    if (name == heldName_) {
        held_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
}

std::vector<std::string> ActionLog::entries() const {
    const std::lock_guard lock(mutex_);
    return entries_;
}

void ActionLog::holdAt(const std::string& name) {
    const std::lock_guard lock(mutex_);
    heldName_ = name;
}

void ActionLog::release() {
    const std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
}

bool ActionLog::waitUntilHeld() const {
    return QTest::qWaitFor(
        [this] {
            const std::lock_guard lock(mutex_);
            return held_;
        },
        10000);
}

void LoggingAction::execute(Installer::IProgressIndicator& progress) {
    progress.setText("Doing " + name_);
    log_->add(name_);
    switch (failure_) {
    case Failure::none:
        return;
    case Failure::basicError:
        throw BasicError(name_ + " failed");
    case Failure::verboseError:
        throw VerboseError(name_ + " failed");
    }
}

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
    auto* timer = new QTimer(&timerContext_);
    QObject::connect(timer, &QTimer::timeout, &timerContext_, [this] { answerOpenBox(); });
    timer->start(5);
}

void MessageBoxAnswerer::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || answers_.empty()) {
        return;
    }
    const auto defaultButton = box->defaultButton() != nullptr
                                   ? box->standardButton(box->defaultButton())
                                   : QMessageBox::NoButton;
    seen_.push_back({box->windowTitle(), box->text(), box->icon(), defaultButton});
    const QMessageBox::StandardButton answer = answers_.front();
    answers_.erase(answers_.begin());
    box->button(answer)->click();
}
