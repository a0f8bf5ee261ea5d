#pragma once

#include "installer/IErrorReporter.h"
#include "installer/IUninstallationAction.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// What the actions of a test script did, in order, shared by their clones across threads.
class ActionLog {
public:
    void add(const std::string& name);
    std::vector<std::string> entries() const;

    // Makes an action that blocks in execute() until release() is called.
    void holdAt(const std::string& name);
    void release();
    // Waits, taking the worker's reports meanwhile, until the held action has started.
    bool waitUntilHeld() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> entries_;
    std::string heldName_;
    bool held_ = false;
    bool released_ = false;
};

// A script action that notes its run in the log, shows its name, and may fail.
class LoggingAction : public Installer::IUninstallationAction {
public:
    enum class Failure { none, basicError, verboseError };

    LoggingAction(std::shared_ptr<ActionLog> log, std::string name, Failure failure = Failure::none)
        : log_(std::move(log)), name_(std::move(name)), failure_(failure) {}

    void execute(Installer::IProgressIndicator& progress) override;
    std::unique_ptr<Installer::IUninstallationAction> clone() const override {
        return std::make_unique<LoggingAction>(log_, name_, failure_);
    }

private:
    std::shared_ptr<ActionLog> log_;
    std::string name_;
    Failure failure_;
};

// Keeps the reports it is given instead of showing them.
class RecordingReporter : public Installer::IErrorReporter {
public:
    struct Report {
        bool detailed;
        std::string title;
        std::string message;
        std::string text;
    };

    void showDetailedReport(const std::string& title, const std::string& message,
                            const std::string& reportText) override {
        reports.push_back({true, title, message, reportText});
    }
    void showError(const std::string& title, const std::string& text) override {
        reports.push_back({false, title, text, {}});
    }

    std::vector<Report> reports;
};

// Answers the message boxes that open while it lives, with the buttons given in turn, and keeps
// what they said.
class MessageBoxAnswerer {
public:
    struct Seen {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    explicit MessageBoxAnswerer(std::vector<QMessageBox::StandardButton> answers);

    const std::vector<Seen>& seen() const { return seen_; }

private:
    void answerOpenBox();

    std::vector<QMessageBox::StandardButton> answers_;
    std::vector<Seen> seen_;
    QObject timerContext_;
};
