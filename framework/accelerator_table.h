#pragma once

#include <QKeySequence>

#include <vector>

#include "framework/command_hooks.h"
#include "framework/resources.h"

class QKeyEvent;
class QShortcut;
class QWidget;

// The key sequence of one entry (key with exactly its modifiers).
QKeySequence KeySequenceOf(const Accelerator& entry);

// The entry of `table` that a key press of `key` with `modifiers` matches, or nullptr.
// The keypad flag is ignored (keypad Insert and Delete are Insert and Delete); the
// other modifiers must match exactly, so Ctrl+Shift+N is not Ctrl+N.
const Accelerator* MatchAccelerator(const AcceleratorResource& table, int key,
                                    Qt::KeyboardModifiers modifiers);

// For a frame that sees key presses before its view: when `event` is an accelerator,
// runs its command if enabled and returns true (the key is used up, also when the
// command is disabled); otherwise returns false and the key goes on to the view.
bool TranslateAccelerator(const AcceleratorResource& table, const QKeyEvent& event,
                          const CommandHooks& hooks);

// Installs the table on `window`: one QShortcut per entry, active while the window is
// the active window, whichever of its widgets has the focus. A shortcut asks
// hooks.isEnabled before calling hooks.onCommand; keys that are not in the table reach
// the focus widget unchanged. The shortcuts are children of `window`.
std::vector<QShortcut*> InstallAccelerators(QWidget* window, const AcceleratorResource& table,
                                            const CommandHooks& hooks);
