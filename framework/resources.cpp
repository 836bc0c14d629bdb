#include "framework/resources.h"

#include <QFile>
#include <QString>

const char* FindString(std::span<const StringEntry> table, unsigned id) {
  for (const StringEntry& entry : table) {
    if (entry.id == id) return entry.text;
  }
  return nullptr;
}

QIcon LoadIconResource(unsigned iconId) {
  const QString path = QStringLiteral(":/icons/%1.ico").arg(iconId);
  // QIcon of a missing file is not null, only empty of sizes; report it as null.
  if (!QFile::exists(path)) return QIcon();
  return QIcon(path);
}
