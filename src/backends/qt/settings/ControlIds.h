#pragma once

class QWidget;

// The ids the settings models name controls by (the focus after a refused check, the first
// focus), given to the Qt controls that stand for them.
namespace ControlIds {

void assign(QWidget& control, int id);
// The control below root with this id; nullptr when there is none.
QWidget* find(const QWidget& root, int id);
// The control's id; 0 when it has none.
int of(const QWidget& control);
// Puts the focus on the control below root with this id, if there is one.
void focus(const QWidget& root, int id);

} // namespace ControlIds
