#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPlainTextEdit;

// The detailed error report: the error's message on one line and below it, for the user to copy
// into a message to technical support, the report text with the system information and the
// error's diagnostics. OK closes it; it beeps when shown.
class VerboseErrorDialog : public QDialog {
public:
    static constexpr const char* supportHint =
        "Please copy and paste the following information in your message if you contact our "
        "technical support:";

    VerboseErrorDialog(const QString& title, const QString& message, const QString& reportText,
                       QWidget* parent = nullptr);

    QString message() const;
    QString reportText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* messageField_;
    QPlainTextEdit* reportField_;
};
