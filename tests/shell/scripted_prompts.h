#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "framework/prompts.h"

// Answers the framework's file dialogs from queues a test fills, and records every
// dialog and message box, so a test sees exactly what the user would have been asked.
// A dialog with no queued answer is cancelled.
class ScriptedPrompts : public CPrompts {
 public:
  struct Dialog {
    enum Kind { kOpen, kSave } kind;
    QString title;
    QString proposedName;  // save dialogs only
    QString filterLabel;
  };
  struct Message {
    QString text;
    QString caption;
  };

  QString AskOpenFileName(QWidget* owner, const QString& title,
                          const QString& filterLabel) override;
  QString AskSaveFileName(QWidget* owner, const QString& title, const QString& proposedName,
                          const QString& filterLabel) override;
  void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override;

  std::deque<QString> openAnswers;
  std::deque<QString> saveAnswers;
  std::vector<Dialog> dialogs;
  std::vector<Message> messages;

 private:
  static QString Next(std::deque<QString>& answers);
};
