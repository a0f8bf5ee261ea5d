#include "backends/qt/uninstaller/Wizard.h"

#include "errors/BasicError.h"

namespace Installer {

std::unique_ptr<WizardPage> Wizard::createCurrentPage(QWidget* parent, IWizardPageGUIHost& host) {
    if (current_ >= factories_.size()) {
        throw BasicError("The wizard has no pages.");
    }
    return factories_[current_](parent, host);
}

void Wizard::back() {
    if (current_ > 0) {
        --current_;
    }
}

void Wizard::next() {
    if (hasNext()) {
        ++current_;
    }
}

bool Wizard::hasNext() const {
    return current_ + 1 < factories_.size();
}

} // namespace Installer
