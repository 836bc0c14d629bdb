#include "framework/app_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace {

const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

}  // namespace

CAppProfile::CAppProfile(QString applicationName) : appName(std::move(applicationName)) {}

CAppProfile::~CAppProfile() = default;

void CAppProfile::SetRegistryKey(const QString& newKey) {
  CloseSettings();
  key = newKey;
}

void CAppProfile::SetConfigRoot(const QString& directory) {
  CloseSettings();
  rootOverride = directory;
}

QString CAppProfile::configRoot() const {
  if (!rootOverride.isEmpty()) return rootOverride;
  // The location QSettings itself uses for user-scope files on this platform.
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString CAppProfile::iniPath() const {
  QString path = configRoot();
  if (!key.isEmpty()) path += QLatin1Char('/') + key;
  return QDir::cleanPath(path + QLatin1Char('/') + appName + QStringLiteral(".ini"));
}

QSettings& CAppProfile::settings() {
  if (!openSettings) {
    openSettings = std::make_unique<QSettings>(iniPath(), QSettings::IniFormat);
  }
  return *openSettings;
}

void CAppProfile::CloseSettings() { openSettings.reset(); }

void CAppProfile::LoadStdProfileSettings(int maxMru) {
  recentFiles.reset();
  if (maxMru > 0) {
    recentFiles = std::make_unique<CRecentFileList>(maxMru);
    recentFiles->ReadList(settings());
  }
  bool isNumber = false;
  const int stored = settings().value(kPreviewPagesKey, 0).toInt(&isNumber);
  numPreviewPages = isNumber ? stored : 0;
}

bool CAppProfile::SaveStdProfileSettings() {
  if (!saveAtExit) return true;
  QSettings& store = settings();
  if (recentFiles) recentFiles->WriteList(store);
  if (numPreviewPages != 0) store.setValue(kPreviewPagesKey, numPreviewPages);
  store.sync();
  return store.status() == QSettings::NoError;
}

bool CAppProfile::Unregister() {
  // Close the open settings before removing their file: closing flushes pending
  // values, and done later it would bring the file to life again.
  CloseSettings();
  const QString path = iniPath();
  if (QFileInfo::exists(path) && !QFile::remove(path)) return false;
  // rmdir removes only an empty folder, so other applications' settings stay.
  if (!key.isEmpty()) QDir().rmdir(QFileInfo(path).path());
  SuppressSaveAtExit();
  return true;
}
