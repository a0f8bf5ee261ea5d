#pragma once

struct ValidationFailure;
class QWidget;

// Tells the user why a page or control may not be left: a message box over parent with the
// failure's caption, its text in the user's language and the error icon.
void showValidationFailure(QWidget* parent, const ValidationFailure& failure);
