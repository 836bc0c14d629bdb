#pragma once

#include <QStringList>

#include "framework/command_hooks.h"
#include "framework/resources.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Adds the popups of `menu` to `menuBar`, in table order. Item texts keep their "&"
// mnemonics; the part after a tab shows as the shortcut hint at the right, as text
// only: the keys themselves belong to the accelerator table. Every item action carries
// its command id (CommandIdOf). MF_GRAYED items start disabled. Each time a popup
// opens, hooks.onPopupAboutToShow runs and then every item is enabled or greyed by
// hooks.isEnabled; choosing an item calls hooks.onCommand when it is still enabled.
void BuildMenuBar(QMenuBar* menuBar, const MenuResource& menu, const CommandHooks& hooks);

// The command id an action was built with; 0 for separators and foreign actions.
unsigned CommandIdOf(const QAction* action);

// The first item action with command `id` in `menuOrBar` or its popups, or nullptr.
QAction* FindCommandAction(const QWidget* menuOrBar, unsigned id);

// Enables or greys every item of `popup` by `hooks.isEnabled`; the recent-file
// placeholder stays greyed.
void UpdateMenuEnabling(QMenu* popup, const CommandHooks& hooks);

// Replaces the recent-file region of `popup` (the items with ids ID_FILE_MRU_FILE1 on,
// or the placeholder) with one item per text, e.g. "&1 name", carrying the ids
// ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 1, ...; at most 16 are shown. An empty list
// puts the greyed placeholder back. Returns false when `popup` has no such region.
bool ReplaceRecentFileItems(QMenu* popup, const QStringList& menuTexts);
