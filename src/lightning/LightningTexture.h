#pragma once

#include "lightning/AlphaTexture.h"

// The bolt's texture from the program's "IDB_LIGHTNING_TEXTURE" bitmap: 256 x 64 grey levels,
// used as alpha. Columns run along the stroke, rows across it: glow, bright core (rows 26..37),
// glow; the caps are in columns 214..255.
AlphaTexture loadLightningTexture();
