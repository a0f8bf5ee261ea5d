#include "backends/qt/uninstaller/InteriorPageLayout.h"

#include "backends/qt/uninstaller/WizardHeader.h"

#include <QFrame>
#include <QVBoxLayout>

namespace Installer {

namespace {

constexpr int pageMargin = 11;

} // namespace

InteriorPageLayout::InteriorPageLayout(QWidget* parent, std::unique_ptr<WizardPage> inner)
    : WizardPage(parent), header_(new WizardHeader(this, inner->title(), inner->description())),
      inner_(std::move(inner)) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* pagePlaceholder = new QVBoxLayout;
    pagePlaceholder->setContentsMargins(pageMargin, pageMargin, pageMargin, pageMargin);
    inner_->setParent(this);
    pagePlaceholder->addWidget(inner_.get());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(line);
    layout->addLayout(pagePlaceholder, 1);
}

// The inner page goes first, while the header and this page are still whole.
InteriorPageLayout::~InteriorPageLayout() {
    inner_.reset();
}

} // namespace Installer
