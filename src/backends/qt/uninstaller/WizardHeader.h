#pragma once

#include <QWidget>
#include <string>

class QLabel;

namespace Installer {

// The band above a wizard's interior page: the page's title in bold, its description and the
// wizard's graphic, on the system's window colour.
class WizardHeader : public QWidget {
public:
    WizardHeader(QWidget* parent, const std::string& title, const std::string& description);

    QString title() const;
    QString description() const;

private:
    QLabel* title_;
    QLabel* description_;
};

} // namespace Installer
