#pragma once

#include "backends/qt/settings/IPropertyPageHost.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

// A stand-in sheet for pages tested on their own.
class TestHost : public IPropertyPageHost {
public:
    QWidget* sheetWindow() override { return &window_; }

private:
    QWidget window_;
};

// Answers the message boxes a step opens while it runs, remembering what they said and where
// the focus was when they went.
class MessageBoxCatcher {
public:
    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    // Runs step; every message box it opens is read and closed.
    void run(const std::function<void()>& step);

    const std::vector<Seen>& seen() const { return seen_; }

private:
    void watch();

    std::vector<Seen> seen_;
    bool running_ = false;
    // Takes the watch's timers with it when the catcher goes.
    QObject timerContext_;
};

// Shows the widget as the active window, so that focus can be checked.
void showActive(QWidget& window);
