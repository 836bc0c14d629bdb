#pragma once

#include <QString>

class QWidget;

// Everything the framework asks the user or tells the user goes through this interface,
// so tests can answer file dialogs and capture message boxes.
class CPrompts {
 public:
  virtual ~CPrompts() = default;
  // The open dialog; the chosen file must exist. Empty when cancelled.
  virtual QString AskOpenFileName(QWidget* owner, const QString& title,
                                  const QString& filterLabel) = 0;
  // The save dialog, proposing `proposedName` in the current directory; it asks before
  // replacing an existing file. Empty when cancelled.
  virtual QString AskSaveFileName(QWidget* owner, const QString& title,
                                  const QString& proposedName, const QString& filterLabel) = 0;
  // A message box with one OK button and no icon.
  virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption) = 0;
};

// The real dialogs: QFileDialog and QMessageBox.
class CDialogPrompts : public CPrompts {
 public:
  QString AskOpenFileName(QWidget* owner, const QString& title,
                          const QString& filterLabel) override;
  QString AskSaveFileName(QWidget* owner, const QString& title, const QString& proposedName,
                          const QString& filterLabel) override;
  void ShowMessage(QWidget* owner, const QString& text, const QString& caption) override;
};

// The owner for a message box: the window holding keyboard focus, else the active one.
QWidget* FocusOwnerWindow();
