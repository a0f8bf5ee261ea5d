#pragma once

#include <QWidget>
#include <string>

namespace Installer {

// One page of a wizard, as the wizard's window shows it.
class WizardPage : public QWidget {
public:
    using QWidget::QWidget;

    // What a header above the page says about it.
    virtual std::string title() const { return {}; }
    virtual std::string description() const { return {}; }

    // The page is shown and the buttons are enabled: the page's turn to start.
    virtual void activate() {}
    // Whether Next may take the user away from the page.
    virtual bool mayLeave() { return true; }
    // Asks work the page is running to end early. True when it is still running: the page then
    // presses Next once it has ended, and must not be destroyed before.
    virtual bool interruptWork() { return false; }
};

} // namespace Installer
