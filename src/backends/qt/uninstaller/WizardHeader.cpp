#include "backends/qt/uninstaller/WizardHeader.h"

#include "backends/qt/uninstaller/WizardPictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Installer {

namespace {

constexpr int titleWeight = 700;
constexpr int descriptionIndent = 16;

} // namespace

WizardHeader::WizardHeader(QWidget* parent, const std::string& title,
                           const std::string& description)
    : QWidget(parent), title_(new QLabel(QString::fromStdString(title), this)),
      description_(new QLabel(QString::fromStdString(description), this)) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    setPalette(colours);
    setAutoFillBackground(true);

    QFont bold = font();
    bold.setWeight(QFont::Weight(titleWeight));
    title_->setFont(bold);
    description_->setWordWrap(true);
    description_->setMinimumHeight(2 * description_->fontMetrics().lineSpacing());
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description_->setIndent(descriptionIndent);

    auto* graphic = new QLabel(this);
    graphic->setPixmap(WizardPictures::headerGraphic());
    graphic->setAlignment(Qt::AlignCenter);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title_);
    texts->addWidget(description_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addWidget(graphic);
}

QString WizardHeader::title() const {
    return title_->text();
}

QString WizardHeader::description() const {
    return description_->text();
}

} // namespace Installer
