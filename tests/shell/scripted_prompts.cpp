#include "tests/shell/scripted_prompts.h"

QString ScriptedPrompts::Next(std::deque<QString>& answers) {
  if (answers.empty()) return {};
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedPrompts::AskOpenFileName(QWidget*, const QString& title,
                                         const QString& filterLabel) {
  dialogs.push_back({Dialog::kOpen, title, QString(), filterLabel});
  return Next(openAnswers);
}

QString ScriptedPrompts::AskSaveFileName(QWidget*, const QString& title,
                                         const QString& proposedName,
                                         const QString& filterLabel) {
  dialogs.push_back({Dialog::kSave, title, proposedName, filterLabel});
  return Next(saveAnswers);
}

void ScriptedPrompts::ShowMessage(QWidget*, const QString& text, const QString& caption) {
  messages.push_back({text, caption});
}
