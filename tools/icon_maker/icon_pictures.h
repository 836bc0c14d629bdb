#pragma once

#include "tools/icon_maker/ico_file.h"

// The pictures of the two icons: a writing brush and a stroke of ink.

// Icon 128, the main icon: 64 x 64, 32 bits per pixel, antialiased with alpha.
RgbaImage DrawMainIcon();

// Icon 129, the document icon: a sheet with an ink stroke and a red seal, in 16 colours,
// at `size` 32 or 16 pixels.
IndexedImage DrawDocumentIcon(int size);
