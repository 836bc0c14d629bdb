#pragma once

#include <QString>

#include <memory>

#include "framework/recent_file_list.h"

class QSettings;

// Shown by the application after a successful unregistration, unless it runs embedded.
inline constexpr char kUnregisteredMessage[] =
    "系统注册项已被移除并且相应的 INI 文件(如存在)也被删除。";

// The application's persistent settings: one INI file per user,
//   <config root>/<registry key>/<application name>.ini
// where the config root is the user's configuration directory ($XDG_CONFIG_HOME, else
// ~/.config), the same file QSettings(IniFormat, UserScope, key, name) uses. The file
// is opened with its explicit path, so a test can point the root at a directory of its
// own (SetConfigRoot) without touching the user's settings.
class CAppProfile {
 public:
  explicit CAppProfile(QString applicationName = QStringLiteral("Vell"));
  ~CAppProfile();
  CAppProfile(const CAppProfile&) = delete;
  CAppProfile& operator=(const CAppProfile&) = delete;

  // Names the folder that holds the application's settings (the organisation). Any
  // settings object already open is written and closed; the next use opens the new file.
  void SetRegistryKey(const QString& key);
  // Replaces the user's configuration directory as the root (for tests).
  void SetConfigRoot(const QString& directory);

  const QString& registryKey() const { return key; }
  const QString& applicationName() const { return appName; }
  QString configRoot() const;
  QString iniPath() const;

  // The settings file, opened on first use.
  QSettings& settings();

  // Makes the recent-file list with `maxMru` entries (0: none; at most 16) and reads it,
  // then reads "PreviewPages" from "Settings" (default 0; a non-number reads as 0).
  void LoadStdProfileSettings(int maxMru = 4);
  // At exit: writes the recent-file list again and "PreviewPages" when it is not 0,
  // then flushes the file. False when the file could not be written. Does nothing
  // (and returns true) after SuppressSaveAtExit or a successful Unregister.
  bool SaveStdProfileSettings();
  // For start-ups that must leave the settings as they were (register, unregister).
  void SuppressSaveAtExit() { saveAtExit = false; }

  // Removes the settings file and then the registry-key folder when nothing else is
  // left in it. True when no settings file remains (also when there was none).
  bool Unregister();

  // The list made by LoadStdProfileSettings, or null when there is none.
  CRecentFileList* recentFileList() { return recentFiles.get(); }
  int previewPages() const { return numPreviewPages; }

 private:
  void CloseSettings();

  QString appName;
  QString key;
  QString rootOverride;
  std::unique_ptr<QSettings> openSettings;
  std::unique_ptr<CRecentFileList> recentFiles;
  int numPreviewPages = 0;
  bool saveAtExit = true;
};
