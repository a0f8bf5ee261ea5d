#pragma once

// Asked before any dialog is made, without loading the dialogs' toolkit: the saver maps it only
// when a dialog will really be seen.
namespace ErrorDialogs {

// Whether a dialog can be seen: this is the process's main thread and a display can be reached
// (or Qt was told which platform to use). Without one the dialogs would only end the process.
bool canShow();

} // namespace ErrorDialogs
