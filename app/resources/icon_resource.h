#pragma once

#include <QIcon>

// Registers the application's resource file (icons 128 and 129 at ":/icons/N.ico").
// The resources live in a static library, whose registration the linker would drop
// unless something calls it; safe to call more than once.
void EnsureAppResources();

// Icon `iconId` of the application (IDR_MAINFRAME, IDR_VELLTYPE), or a null icon.
QIcon LoadAppIcon(unsigned iconId);
