#include "framework/accelerator_table.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace {

constexpr Qt::KeyboardModifiers kMatchedModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

QKeySequence KeySequenceOf(const Accelerator& entry) {
  return QKeySequence(QKeyCombination(entry.modifiers, entry.key));
}

const Accelerator* MatchAccelerator(const AcceleratorResource& table, int key,
                                    Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers pressed = modifiers & kMatchedModifiers;
  for (const Accelerator& entry : table.entries) {
    if (entry.key == key && entry.modifiers == pressed) return &entry;
  }
  return nullptr;
}

bool TranslateAccelerator(const AcceleratorResource& table, const QKeyEvent& event,
                          const CommandHooks& hooks) {
  if (event.type() != QEvent::KeyPress) return false;
  const Accelerator* entry = MatchAccelerator(table, event.key(), event.modifiers());
  if (entry == nullptr) return false;
  RunCommandIfEnabled(hooks, entry->id);
  return true;
}

std::vector<QShortcut*> InstallAccelerators(QWidget* window, const AcceleratorResource& table,
                                            const CommandHooks& hooks) {
  std::vector<QShortcut*> shortcuts;
  for (const Accelerator& entry : table.entries) {
    auto* shortcut = new QShortcut(KeySequenceOf(entry), window);
    shortcut->setContext(Qt::WindowShortcut);
    const unsigned id = entry.id;
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [hooks, id] { RunCommandIfEnabled(hooks, id); });
    shortcuts.push_back(shortcut);
  }
  return shortcuts;
}
