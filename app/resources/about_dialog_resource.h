#pragma once

#include "framework/resources.h"

// The About dialog (IDD_ABOUTBOX).
extern const DialogTemplate kAboutBoxTemplate;

// The dialog template with resource id `id`, or nullptr.
const DialogTemplate* FindDialogTemplate(unsigned id);
