#include "backends/qt/errors/ErrorDialogs.h"

#include "backends/qt/errors/VerboseErrorDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// A listening socket where a Wayland compositor would have one.
class FakeCompositor {
public:
    FakeCompositor()
        : path_(std::filesystem::temp_directory_path() /
                ("wayland-test-" + std::to_string(::getpid()))) {
        std::filesystem::remove(path_);
        socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path_.c_str(), sizeof address.sun_path - 1);
        ::bind(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::listen(socket_, 1);
    }
    ~FakeCompositor() {
        ::close(socket_);
        std::filesystem::remove(path_);
    }
    FakeCompositor(const FakeCompositor&) = delete;
    FakeCompositor& operator=(const FakeCompositor&) = delete;

    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
    int socket_;
};

// Qt ends the process when the platform it is told to use cannot start, whatever the platform's
// name and options: that is found out before Qt is asked.
TEST_F(ErrorDialogsTest, ANamedPlatformCountsOnlyWhereItCanStart) {
    const EnvironmentVariable display("DISPLAY", ":999999");
    const EnvironmentVariable wayland("WAYLAND_DISPLAY", "/nonexistent/wayland-0");
    for (const char* unusable : {"xcb", "xcb:nomitshm", "wayland", "wayland-egl", "eglfs",
                                 "linuxfb:fb=/nonexistent/fb0", ";", "xcb;wayland"}) {
        const EnvironmentVariable platform("QT_QPA_PLATFORM", unusable);
        EXPECT_FALSE(ErrorDialogs::canShow()) << unusable;
    }
    for (const char* usable : {"offscreen", "minimal", "xcb;offscreen", "wayland;minimal:x"}) {
        const EnvironmentVariable platform("QT_QPA_PLATFORM", usable);
        EXPECT_TRUE(ErrorDialogs::canShow()) << usable;
    }
    const FakeCompositor compositor;
    const EnvironmentVariable reachable("WAYLAND_DISPLAY", compositor.path().c_str());
    const EnvironmentVariable platform("QT_QPA_PLATFORM", "wayland");
    EXPECT_TRUE(ErrorDialogs::canShow());
}

} // namespace
