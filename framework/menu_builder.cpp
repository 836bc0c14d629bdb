#include "framework/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#include "framework/command_ids.h"

namespace {

// Properties on the actions and popups we build.
constexpr char kCommandIdProperty[] = "vellCommandId";
constexpr char kPlaceholderProperty[] = "vellRecentPlaceholder";

constexpr unsigned kMaxRecentItems = ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1;

bool IsRecentFileId(unsigned id) { return id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE16; }

bool IsPlaceholder(const QAction* action) { return action->property(kPlaceholderProperty).toBool(); }

QAction* MakeItemAction(QMenu* popup, const QString& text, unsigned id) {
  auto* action = new QAction(text, popup);
  // No QAction shortcut: the hint after the tab is display text, and the keys are the
  // accelerator table's, which checks enabling itself.
  action->setProperty(kCommandIdProperty, id);
  return action;
}

void AddItem(QMenu* popup, const MenuItem& item) {
  if (IsSeparator(item)) {
    popup->addSeparator();
    return;
  }
  QAction* action = MakeItemAction(popup, QString::fromUtf8(item.text), item.id);
  if (item.flags & MF_GRAYED) action->setEnabled(false);
  popup->addAction(action);
  // The recent-file placeholder keeps its text on the popup so it can be put back.
  if (item.id == ID_FILE_MRU_FILE1) {
    action->setProperty(kPlaceholderProperty, true);
    popup->setProperty(kPlaceholderProperty, action->text());
  }
}

void ConnectPopup(QMenu* popup, const CommandHooks& hooks) {
  QObject::connect(popup, &QMenu::aboutToShow, popup, [popup, hooks] {
    if (hooks.onPopupAboutToShow) hooks.onPopupAboutToShow(popup);
    UpdateMenuEnabling(popup, hooks);
  });
  QObject::connect(popup, &QMenu::triggered, popup, [popup, hooks](QAction* action) {
    // A popup also reports the actions of its sub-popups; each handles its own.
    if (action->parent() != popup || IsPlaceholder(action)) return;
    RunCommandIfEnabled(hooks, CommandIdOf(action));
  });
}

// Index of the first recent-file action of `popup` and how many follow it.
std::pair<qsizetype, qsizetype> RecentFileRegion(const QList<QAction*>& actions) {
  qsizetype first = -1, count = 0;
  for (qsizetype i = 0; i < actions.size(); ++i) {
    if (!IsRecentFileId(CommandIdOf(actions[i]))) continue;
    if (first < 0) first = i;
    count = i - first + 1;
  }
  return {first, count};
}

}  // namespace

void BuildMenuBar(QMenuBar* menuBar, const MenuResource& menu, const CommandHooks& hooks) {
  for (const MenuPopup& popupResource : menu.popups) {
    QMenu* popup = menuBar->addMenu(QString::fromUtf8(popupResource.text));
    for (const MenuItem& item : popupResource.items) AddItem(popup, item);
    ConnectPopup(popup, hooks);
  }
}

unsigned CommandIdOf(const QAction* action) {
  if (action == nullptr) return 0;
  return action->property(kCommandIdProperty).toUInt();
}

QAction* FindCommandAction(const QWidget* menuOrBar, unsigned id) {
  for (QAction* action : menuOrBar->actions()) {
    if (id != 0 && CommandIdOf(action) == id) return action;
    if (QMenu* popup = action->menu()) {
      if (QAction* found = FindCommandAction(popup, id)) return found;
    }
  }
  return nullptr;
}

void UpdateMenuEnabling(QMenu* popup, const CommandHooks& hooks) {
  for (QAction* action : popup->actions()) {
    const unsigned id = CommandIdOf(action);
    if (id == 0) continue;
    action->setEnabled(!IsPlaceholder(action) && IsCommandEnabled(hooks, id));
  }
}

bool ReplaceRecentFileItems(QMenu* popup, const QStringList& menuTexts) {
  const QList<QAction*> actions = popup->actions();
  const auto [first, count] = RecentFileRegion(actions);
  if (first < 0) return false;
  QAction* before = first + count < actions.size() ? actions[first + count] : nullptr;
  for (qsizetype i = first; i < first + count; ++i) {
    popup->removeAction(actions[i]);
    actions[i]->deleteLater();
  }
  if (menuTexts.isEmpty()) {
    QAction* placeholder =
        MakeItemAction(popup, popup->property(kPlaceholderProperty).toString(), ID_FILE_MRU_FILE1);
    placeholder->setProperty(kPlaceholderProperty, true);
    placeholder->setEnabled(false);
    popup->insertAction(before, placeholder);
    return true;
  }
  const auto shown = std::min<qsizetype>(menuTexts.size(), kMaxRecentItems);
  for (qsizetype i = 0; i < shown; ++i) {
    popup->insertAction(before, MakeItemAction(popup, menuTexts[i], ID_FILE_MRU_FILE1 + i));
  }
  return true;
}
