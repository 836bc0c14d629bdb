#include "framework/prompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The one filter matches every file: on this platform that is "*", not "*.*". The
// dialog shows the label alone (HideNameFilterDetails drops the trailing pattern).
QString FilterFor(const QString& label) { return label + QStringLiteral(" (*)"); }

void ShowLabelOnly(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
}

}  // namespace

QString CDialogPrompts::AskOpenFileName(QWidget* owner, const QString& title,
                                        const QString& filterLabel) {
  QFileDialog dialog(owner, title, QDir::currentPath(), FilterFor(filterLabel));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  ShowLabelOnly(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString CDialogPrompts::AskSaveFileName(QWidget* owner, const QString& title,
                                        const QString& proposedName, const QString& filterLabel) {
  QFileDialog dialog(owner, title, QDir::current().filePath(proposedName), FilterFor(filterLabel));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  ShowLabelOnly(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void CDialogPrompts::ShowMessage(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

QWidget* FocusOwnerWindow() {
  if (QWidget* focus = QApplication::focusWidget()) return focus->window();
  return QApplication::activeWindow();
}
