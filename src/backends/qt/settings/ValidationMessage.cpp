#include "backends/qt/settings/ValidationMessage.h"

#include "backends/qt/settings/UiTexts.h"
#include "settings/ValidationFailure.h"

#include <QMessageBox>

namespace {

QString captionOf(const ValidationFailure& failure) {
    return failure.caption == ValidationFailure::Caption::errorString ? UiTexts::errorCaption()
                                                                      : UiTexts::applicationTitle();
}

QString textOf(const ValidationFailure& failure) {
    QString text = UiTexts::string(failure.messageString);
    if (!failure.insertedText.empty()) {
        text.replace("%s", QString::fromStdString(failure.insertedText));
    }
    return text;
}

} // namespace

void showValidationFailure(QWidget* parent, const ValidationFailure& failure) {
    // Icon::error is the only icon a failure has.
    QMessageBox::critical(parent, captionOf(failure), textOf(failure));
}
