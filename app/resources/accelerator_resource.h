#pragma once

#include "framework/resources.h"

// The shortcut keys of the main frame (IDR_MAINFRAME).
extern const AcceleratorResource kMainFrameAccelerators;

// The accelerator table with resource id `id`, or nullptr.
const AcceleratorResource* FindAcceleratorResource(unsigned id);
