#pragma once

#include <string>
#include <windows.h>

namespace User32 {

// A page of the wizard: a child dialog made inside the wizard when the page is shown, and
// destroyed with the object.
class WizardPage {
public:
    virtual ~WizardPage() = default;
    virtual HWND window() const = 0;
    // The header's bold title and its two-line description.
    virtual std::string title() const = 0;
    virtual std::string description() const = 0;
    // The page has been shown and the buttons set; it may start its work.
    virtual void activate() {}
    // Whether Next may leave the page now.
    virtual bool mayLeave() { return true; }
    // Asks work still running to stop; true when there was some, whose end presses Next.
    virtual bool interruptWork() { return false; }
};

} // namespace User32
