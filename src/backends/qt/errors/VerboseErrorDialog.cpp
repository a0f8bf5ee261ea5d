#include "backends/qt/errors/VerboseErrorDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

namespace {

constexpr int iconSize = 32;
constexpr int reportColumns = 96;
constexpr int reportRows = 20;

// The report is built with the line ends a Windows user pastes; the text field shows them as
// plain line breaks.
QString withPlainLineEnds(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return plain;
}

QLabel* errorIcon(QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(
        parent->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(iconSize, iconSize));
    icon->setAlignment(Qt::AlignTop);
    return icon;
}

QLineEdit* messageLine(const QString& message, QWidget* parent) {
    auto* field = new QLineEdit(message, parent);
    field->setReadOnly(true);
    field->setCursorPosition(0);
    return field;
}

QPlainTextEdit* reportArea(const QString& reportText, QWidget* parent) {
    auto* area = new QPlainTextEdit(withPlainLineEnds(reportText), parent);
    area->setReadOnly(true);
    area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    area->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(area->font());
    area->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * reportColumns,
                         metrics.lineSpacing() * reportRows);
    return area;
}

} // namespace

VerboseErrorDialog::VerboseErrorDialog(const QString& title, const QString& message,
                                       const QString& reportText, QWidget* parent)
    : QDialog(parent), messageField_(messageLine(message, this)),
      reportField_(reportArea(reportText, this)) {
    setWindowTitle(title);
    auto* hint = new QLabel(QString::fromUtf8(supportHint), this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(errorIcon(this), 0, 0, 2, 1);
    layout->addWidget(messageField_, 0, 1);
    layout->addWidget(hint, 1, 1);
    layout->addWidget(reportField_, 2, 0, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    reportField_->setFocus();
}

QString VerboseErrorDialog::message() const {
    return messageField_->text();
}

QString VerboseErrorDialog::reportText() const {
    return reportField_->toPlainText();
}

void VerboseErrorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    reportField_->setFocus();
    QApplication::beep();
}
