#pragma once

#include <functional>

class QMenu;

// What the frame supplies to the menus and accelerators built from resources: the
// command routing (onCommand) and the command enabling (isEnabled). An empty isEnabled
// treats every command as enabled.
struct CommandHooks {
  std::function<void(unsigned id)> onCommand;
  std::function<bool(unsigned id)> isEnabled;
  // Called when a popup is about to open, before its items are enabled or greyed, so
  // the frame can bring dynamic items (the recent-file list) up to date.
  std::function<void(QMenu* popup)> onPopupAboutToShow;
};

inline bool IsCommandEnabled(const CommandHooks& hooks, unsigned id) {
  return !hooks.isEnabled || hooks.isEnabled(id);
}

// Carries out command `id` if it is enabled at this moment; a command disabled since
// its popup opened, or a disabled command's shortcut key, does nothing.
inline void RunCommandIfEnabled(const CommandHooks& hooks, unsigned id) {
  if (id != 0 && IsCommandEnabled(hooks, id) && hooks.onCommand) hooks.onCommand(id);
}
