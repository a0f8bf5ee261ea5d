#pragma once

#include "backends/user32/uninstaller/WizardHeader.h"
#include "backends/user32/uninstaller/WizardPage.h"
#include "installer/IWizardPageGUIHost.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace User32 {

// The wizard's modal dialog: the current page under the header, and Back, Next and Cancel.
// Each page is made anew whenever it is shown; Next on the last page ends the dialog.
class WizardDialog : private Installer::IWizardPageGUIHost {
public:
    using PageFactory = std::function<std::unique_ptr<WizardPage>(
        HWND parent, Installer::IWizardPageGUIHost& host)>;

    static constexpr int nextButton = 100;
    static constexpr int backButton = 101;
    static constexpr int pagePlaceholder = 1003;
    static constexpr int headerPlaceholder = 1000;
    static constexpr INT_PTR finished = 1;
    static constexpr INT_PTR cancelled = 2;

    WizardDialog(std::vector<PageFactory> pages, std::string title);

    // Shows the dialog until it ends; an error of its pages comes out here.
    INT_PTR run();

private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam);

    void enableNext(bool enabled) override;
    void enableBack(bool enabled) override;
    void enableCancel(bool enabled) override;
    void setNextCaption(const std::string& caption) override;
    void pressNext() override;

    void open(HWND dialog);
    void close();
    void setIcons();
    void showCurrentPage();
    void goBack();
    void cancel();
    bool userConfirmsCancel();
    void end(INT_PTR result);
    bool hasNext() const { return current_ + 1 < pages_.size(); }

    std::vector<PageFactory> pages_;
    std::string title_;
    std::size_t current_ = 0;
    HWND dialog_ = nullptr;
    HWND layout_ = nullptr;
    std::unique_ptr<WizardHeader> header_;
    std::unique_ptr<WizardPage> page_;
    // Cancel was confirmed while the page's work ran: its end closes the dialog.
    bool cancelPending_ = false;
    bool asking_ = false;
    bool ended_ = false;
    std::exception_ptr error_;
};

} // namespace User32
