#pragma once

#include "app/CommandLine.h"

#include <string>

// The reusable part of a screen saver's start: reads the command line into a run mode and runs
// that mode. A product derives from it and supplies the four concrete modes; the two-process
// uninstall hand-over is done here.
class ScreenSaverLauncher {
public:
    // Reads $XSCREENSAVER_WINDOW besides the text. Unrecognised text never fails.
    explicit ScreenSaverLauncher(std::string_view commandLineText);
    explicit ScreenSaverLauncher(CommandLine commandLine);
    virtual ~ScreenSaverLauncher() = default;

    ScreenSaverLauncher(const ScreenSaverLauncher&) = delete;
    ScreenSaverLauncher& operator=(const ScreenSaverLauncher&) = delete;

    void run();

    const CommandLine& commandLine() const { return commandLine_; }

    // False once a mode has removed what the configuration lives in: writing it back would
    // make it again.
    bool writesConfigurationBack() const { return writesConfigurationBack_; }

    // Whether path is a temporary copy the hand-over made: a file named with the copy's prefix
    // directly in the temporary folder.
    static bool isTemporaryCopy(const std::string& path);

    // The uninstall entry the product's installer made.
    static constexpr const char* uninstallKeyName = "{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}";
    // Taken by the first process of the uninstall until it ends; the temporary copy waits on it.
    static constexpr const char* handOverMutexName = "KILLER'S_PARENT_IS_RUNNING";
    // The start of the temporary copy's file name.
    static constexpr const char* temporaryCopyPrefix = "~QV";

    // Removes the temporary copy this process runs from, or has the system remove it later
    // where a running program's file cannot go.
    virtual void discardTemporaryCopy(const std::string& path);

protected:
    // Copies this program's file over destination; a failure is left for the started copy to
    // show (it will not start).
    virtual void copyProgram(const std::string& destination);
    // Starts program with the argument text as its command line and does not wait for it.
    virtual void startProgram(const std::string& program, const std::string& arguments);
    virtual void runSaver() = 0;
    virtual void runSettings(int32_t parentWindow) = 0;
    virtual void runPreview(int32_t parentWindow) = 0;
    virtual void runUninstaller() = 0;

    // This program's own file.
    virtual std::string programPath() const;

    void skipConfigurationWriteBack() { writesConfigurationBack_ = false; }

private:
    void handOverUninstall();
    void waitAndUninstall();

    CommandLine commandLine_;
    bool writesConfigurationBack_ = true;
};
