#pragma once

#include <windows.h>

class ILightningOptionsStorage;

namespace User32 {

// The two modal dialogs behind the Lightning page's advanced buttons. OK writes into the options
// at once, whatever the sheet does afterwards; Cancel writes nothing.
namespace LightningDetailDialogs {

// The bolts' colour: random, or one chosen with the system's colour chooser.
void editBolts(HWND owner, ILightningOptionsStorage& options);
// The flash's colour and the brightness from which the background lights up.
void editFlashes(HWND owner, ILightningOptionsStorage& options);

} // namespace LightningDetailDialogs

} // namespace User32
