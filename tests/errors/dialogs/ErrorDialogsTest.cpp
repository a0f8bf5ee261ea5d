#include "errors/dialogs/ErrorDialogs.h"

#include "errors/dialogs/VerboseErrorDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Qt draws without a display here; one application serves every test.
class ErrorDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        if (QApplication::instance() == nullptr) {
            static int argumentCount = 1;
            static char name[] = "error_dialogs_tests";
            static char* arguments[] = {name, nullptr};
            static QApplication application(argumentCount, arguments);
        }
    }
};

TEST_F(ErrorDialogsTest, TheReportShowsEveryFieldAndOkClosesIt) {
    VerboseErrorDialog dialog("Pluvo Screen Saver 2.2.17", "Frame lost",
                              "PR: Pluvo Screen Saver 2.2.17\r\nDX: 2.26\r\n\r\nFrame lost\r\n");
    EXPECT_EQ(dialog.windowTitle(), "Pluvo Screen Saver 2.2.17");
    EXPECT_EQ(dialog.message(), "Frame lost");
    EXPECT_EQ(dialog.reportText(), "PR: Pluvo Screen Saver 2.2.17\nDX: 2.26\n\nFrame lost\n");

    bool hintShown = false;
    bool iconShown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        hintShown = hintShown || label->text() == VerboseErrorDialog::supportHint;
        iconShown = iconShown || !label->pixmap().isNull();
    }
    EXPECT_TRUE(hintShown);
    EXPECT_TRUE(iconShown);
    const auto* report = dialog.findChild<QPlainTextEdit*>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isReadOnly());
    EXPECT_TRUE(report->textInteractionFlags() & Qt::TextSelectableByKeyboard);

    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), report);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvironmentVariable() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST_F(ErrorDialogsTest, DialogsAreShownOnlyWhereSomebodyCanSeeThem) {
    EXPECT_TRUE(ErrorDialogs::canShow());
    EXPECT_FALSE(std::async(std::launch::async, ErrorDialogs::canShow).get());

    const EnvironmentVariable platform("QT_QPA_PLATFORM", nullptr);
    {
        const EnvironmentVariable display("DISPLAY", nullptr);
        EXPECT_FALSE(ErrorDialogs::canShow());
    }
    const EnvironmentVariable display("DISPLAY", ":999999");
    EXPECT_FALSE(ErrorDialogs::canShow());
}

} // namespace
