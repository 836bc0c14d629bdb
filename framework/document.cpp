#include "framework/document.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include "framework/archive.h"
#include "framework/command_ids.h"
#include "framework/framework_strings.h"
#include "framework/prompts.h"
#include "framework/win_app.h"

namespace {

// Why a file could not be opened or written, in the framework's words.
QString FileErrorReason(const QString& path, QFileDevice::FileError error) {
  const QFileInfo info(path);
  if (info.isDir()) return QString::fromUtf8(fw::kReasonIsDirectory);
  if (info.exists() && !info.isFile()) return QString::fromUtf8(fw::kReasonNotAFile);
  if (!info.absoluteDir().exists()) return QString::fromUtf8(fw::kReasonDirectoryMissing);
  if (error == QFileDevice::ResourceError) return QString::fromUtf8(fw::kReasonDiskFull);
  if (error == QFileDevice::PermissionsError || (info.exists() && !info.isReadable()))
    return QString::fromUtf8(fw::kReasonAccessDenied);
  if (!info.exists()) return QString::fromUtf8(fw::kReasonNotFound);
  return QString::fromUtf8(fw::kReasonUnknown);
}

void ReportFileError(const char* format, const QString& path, QFileDevice::FileError error) {
  AfxMessageBox(QString::fromUtf8(format).arg(QDir::toNativeSeparators(path),
                                              FileErrorReason(path, error)));
}

}  // namespace

CDocument::CDocument() {
  OnCommand(ID_FILE_SAVE, &CDocument::OnFileSave);
  OnCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs);
}

void CDocument::SetTitle(const QString& title) {
  title_ = title;
  if (titleChanged) titleChanged();
}

void CDocument::SetPathName(const QString& path, bool addToMru) {
  pathName_ = QFileInfo(path).absoluteFilePath();
  SetTitle(FileTitle(pathName_));
  if (addToMru && AfxGetApp()) AfxGetApp()->AddToRecentFileList(pathName_);
}

void CDocument::SetDefaultTitle() { SetTitle(QString::fromUtf8(fw::kUntitled)); }

bool CDocument::OnNewDocument() {
  pathName_.clear();
  SetModifiedFlag(false);
  return true;
}

bool CDocument::OnOpenDocument(const QString& path) {
  QFile file(path);
  // Only a regular file is opened: a FIFO or device would block the open, or never end.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    ReportFileError(fw::kOpenFailed, path, QFileDevice::OpenError);
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    ReportFileError(fw::kOpenFailed, path, file.error());
    return false;
  }
  if (file.size() > 0) {
    CArchive ar(&file, CArchive::load);
    Serialize(ar);
  }
  SetModifiedFlag(false);
  return true;
}

bool CDocument::OnSaveDocument(const QString& path) {
  QBuffer content;
  content.open(QIODevice::WriteOnly);
  CArchive ar(&content, CArchive::store);
  Serialize(ar);

  // QSaveFile writes beside the target and renames over it, so a failed save leaves the
  // old file as it was. The rename would ignore the target's own permissions, so a file
  // the user may not write is refused first.
  const QFileInfo info(path);
  if (info.exists() && (!info.isFile() || !info.isWritable())) {
    ReportFileError(fw::kSaveFailed, path, QFileDevice::PermissionsError);
    return false;
  }
  QSaveFile file(path);
  // In a folder the user may not write, the file itself is written in place.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly) || file.write(content.data()) != content.size() ||
      !file.commit()) {
    ReportFileError(fw::kSaveFailed, path, file.error());
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

void CDocument::Serialize(CArchive&) {}

void CDocument::OnFileSave() {
  const QFileInfo info(pathName_);
  if (pathName_.isEmpty() || !info.exists() || !info.isWritable()) {
    DoSave(QString());
    return;
  }
  // A document with nothing to write leaves its existing file as it is: replacing it
  // with an empty file would destroy a file the program only opened.
  QBuffer content;
  content.open(QIODevice::WriteOnly);
  CArchive ar(&content, CArchive::store);
  Serialize(ar);
  if (content.size() == 0) {
    SetModifiedFlag(false);
    SetPathName(pathName_);
    return;
  }
  DoSave(pathName_);
}

void CDocument::OnFileSaveAs() { DoSave(QString()); }

bool CDocument::DoSave(const QString& path) {
  QString target = path;
  if (target.isEmpty()) {
    CWinApp* app = AfxGetApp();
    target = app->Prompts().AskSaveFileName(
        app->MainWindow(), QString::fromUtf8(fw::kSaveAsTitle), ProposedSaveName(title_),
        QString::fromUtf8(fw::kAllFilesFilter));
    if (target.isEmpty()) return false;  // cancelled: nothing changes
  }
  if (!OnSaveDocument(target)) return false;
  SetPathName(target);
  return true;
}

QString CDocument::ProposedSaveName(const QString& title) {
  QString name = title;
  const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[:/\\\\]")));
  if (cut >= 0) name.truncate(cut);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot > 0) name.truncate(dot);
  return name;
}

QString FileTitle(const QString& path) { return QFileInfo(path).fileName(); }
