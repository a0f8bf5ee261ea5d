#pragma once

// Asked before any dialog is made, without loading the dialogs' toolkit: the saver maps it only
// when a dialog will really be seen.
namespace ErrorDialogs {

// Whether a dialog can be seen: this is the process's main thread and the platform Qt will use
// can start: the X display (Qt's choice here when none is named), or the one QT_QPA_PLATFORM
// names, checked before Qt is asked, as Qt ends the process when its platform cannot start.
bool canShow();

} // namespace ErrorDialogs
