#include "UiTestSupport.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

// One Qt application for every test of the program, on the offscreen platform, in Chinese: the
// texts the string table and the captions are written in.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
        application_.emplace(argumentCount_, arguments_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argumentCount_ = 1;
    char programName_[9] = "ui_tests";
    char* arguments_[2] = {programName_, nullptr};
    std::optional<QApplication> application_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace

void MessageBoxCatcher::run(const std::function<void()>& step) {
    running_ = true;
    QTimer::singleShot(0, &timerContext_, [this] { watch(); });
    step();
    running_ = false;
}

void MessageBoxCatcher::watch() {
    if (!running_) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen_.push_back({box->windowTitle(), box->text(), box->icon()});
        box->done(QMessageBox::Ok);
    }
    QTimer::singleShot(5, &timerContext_, [this] { watch(); });
}

void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}
