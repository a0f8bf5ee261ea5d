#pragma once

#include "backends/qt/uninstaller/IWizard.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace Installer {

// A wizard over a list of page factories: each page is made anew whenever it is shown.
class Wizard : public IWizard {
public:
    using PageFactory =
        std::function<std::unique_ptr<WizardPage>(QWidget* parent, IWizardPageGUIHost& host)>;

    void addPage(PageFactory factory) { factories_.push_back(std::move(factory)); }

    std::unique_ptr<WizardPage> createCurrentPage(QWidget* parent,
                                                  IWizardPageGUIHost& host) override;
    void back() override;
    void next() override;
    bool hasNext() const override;

    std::size_t currentIndex() const { return current_; }

private:
    std::vector<PageFactory> factories_;
    std::size_t current_ = 0;
};

} // namespace Installer
