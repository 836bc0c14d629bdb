#pragma once

#include "framework/resources.h"

// The menu bar of the main frame (IDR_MAINFRAME).
extern const MenuResource kMainFrameMenu;

// The menu bar with resource id `id`, or nullptr.
const MenuResource* FindMenuResource(unsigned id);
