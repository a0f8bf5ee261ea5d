#include "backends/qt/settings/ControlIds.h"

#include <QVariant>
#include <QWidget>

namespace ControlIds {

namespace {

constexpr const char* property = "pluvoControlId";

} // namespace

void assign(QWidget& control, int id) {
    control.setProperty(property, id);
}

QWidget* find(const QWidget& root, int id) {
    for (QWidget* control : root.findChildren<QWidget*>()) {
        if (of(*control) == id) {
            return control;
        }
    }
    return nullptr;
}

int of(const QWidget& control) {
    return control.property(property).toInt();
}

void focus(const QWidget& root, int id) {
    if (QWidget* control = find(root, id)) {
        control->setFocus();
    }
}

} // namespace ControlIds
