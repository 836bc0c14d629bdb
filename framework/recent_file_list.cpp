#include "framework/recent_file_list.h"

#include <QSettings>

#include <algorithm>
#include <utility>

#include "framework/file_path.h"

CRecentFileList::CRecentFileList(int size, QString section, QString entryFormat,
                                 int maxDisplayLength)
    : size(std::clamp(size, 0, kMaxSize)),
      sectionName(std::move(section)),
      entryFormat(std::move(entryFormat)),
      maxDisplayLength(maxDisplayLength) {}

void CRecentFileList::Add(const QString& path) {
  const QString absolutePath = AbsoluteFilePath(path);
  if (absolutePath.isEmpty()) return;
  Insert(absolutePath);
}

void CRecentFileList::Insert(const QString& absolutePath) {
  if (size == 0) return;
  // Paths are stored absolute and clean, so equal text means the same file here.
  entries.removeAll(absolutePath);
  entries.prepend(absolutePath);
  while (entries.size() > size) entries.removeLast();
}

void CRecentFileList::Remove(int index) {
  if (index < 0 || index >= entries.size()) return;
  entries.removeAt(index);
}

QString CRecentFileList::GetDisplayName(int index, const QString& currentDir) const {
  const QString path = entries.value(index);
  if (path.isEmpty()) return QString();
  return AbbreviateFilePath(path, currentDir, maxDisplayLength);
}

QString CRecentFileList::GetMenuText(int index, const QString& currentDir) const {
  QString name = GetDisplayName(index, currentDir);
  if (name.isEmpty()) return QString();
  name.replace(QLatin1Char('&'), QLatin1String("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

void CRecentFileList::ReadList(QSettings& settings) {
  entries.clear();
  settings.beginGroup(sectionName);
  for (int i = 0; i < size; ++i) {
    const QString stored = settings.value(EntryName(i)).toString();
    // Entries are written absolute; a hand-edited relative one is resolved once, now,
    // rather than against whatever directory happens to be current when it is chosen.
    const QString absolutePath = AbsoluteFilePath(stored);
    if (!absolutePath.isEmpty() && !entries.contains(absolutePath)) {
      entries.append(absolutePath);
    }
  }
  settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
  settings.remove(sectionName);
  if (entries.isEmpty()) return;
  settings.beginGroup(sectionName);
  for (int i = 0; i < entries.size(); ++i) settings.setValue(EntryName(i), entries[i]);
  settings.endGroup();
}
