#pragma once

#include "backends/qt/uninstaller/WizardPage.h"

#include <memory>

namespace Installer {

class WizardHeader;

// An interior page of the wizard: a header with the inner page's title and description, a line
// under it, and the inner page, which does the page's work.
class InteriorPageLayout : public WizardPage {
public:
    InteriorPageLayout(QWidget* parent, std::unique_ptr<WizardPage> inner);
    ~InteriorPageLayout() override;

    const WizardHeader& header() const { return *header_; }
    WizardPage& inner() const { return *inner_; }

    std::string title() const override { return inner_->title(); }
    std::string description() const override { return inner_->description(); }
    void activate() override { inner_->activate(); }
    bool mayLeave() override { return inner_->mayLeave(); }
    bool interruptWork() override { return inner_->interruptWork(); }

private:
    WizardHeader* header_;
    std::unique_ptr<WizardPage> inner_;
};

} // namespace Installer
