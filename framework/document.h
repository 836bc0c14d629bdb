#pragma once

#include <QString>
#include <functional>

#include "framework/cmd_target.h"

class CArchive;

// A document: a title and a path. Its content, if any, is the derived class's Serialize.
// File errors are reported here, in the framework's own words, through the
// application's prompts; the operations return whether they succeeded.
class CDocument : public CCmdTarget {
 public:
  CDocument();

  const QString& GetTitle() const { return title_; }
  virtual void SetTitle(const QString& title);
  const QString& GetPathName() const { return pathName_; }
  // Takes the full path and its display title; with `addToMru` the path goes to the top
  // of the recent-file list.
  virtual void SetPathName(const QString& path, bool addToMru = true);

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) { modified_ = modified; }

  // Called by the template before OnNewDocument: the framework's untitled text.
  void SetDefaultTitle();

  virtual bool OnNewDocument();
  // Opens `path` (a regular file) for reading, loads through Serialize only when the
  // file is not empty, and closes it.
  virtual bool OnOpenDocument(const QString& path);
  // Creates or replaces `path` and stores through Serialize.
  virtual bool OnSaveDocument(const QString& path);
  virtual void Serialize(CArchive& ar);

  // Save (ID_FILE_SAVE) and Save As (ID_FILE_SAVE_AS).
  void OnFileSave();
  void OnFileSaveAs();
  // Saves under `path`, asking for a name first when `path` is empty.
  bool DoSave(const QString& path);

  // The caption of the frame follows every title change through this hook.
  std::function<void()> titleChanged;

  // The name the save dialog proposes: the title cut before its first ':', '/' or '\'
  // and without its extension.
  static QString ProposedSaveName(const QString& title);

 private:
  QString title_;
  QString pathName_;
  bool modified_ = false;
};

// The display title of a path: the file name without its directory, extension kept.
QString FileTitle(const QString& path);
