#include "framework/file_path.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kEllipsis = QStringLiteral("...");

qsizetype CodePoints(const QString& text) { return text.toUcs4().size(); }

// `name` shortened to `maxLength` code points by cutting out its middle.
QString CutMiddle(const QString& name, int maxLength) {
  const QList<uint> points = name.toUcs4();
  if (points.size() <= maxLength) return name;
  if (maxLength <= kEllipsis.size()) {
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.data()), maxLength);
  }
  const int kept = maxLength - static_cast<int>(kEllipsis.size());
  const int tail = kept / 2;  // the end holds the extension; the start gets the odd one
  const int head = kept - tail;
  const auto* data = reinterpret_cast<const char32_t*>(points.data());
  return QString::fromUcs4(data, head) + kEllipsis +
         QString::fromUcs4(data + points.size() - tail, tail);
}

// "/.../d(k)/.../d(n)/name" with as many trailing directories as fit, or an empty text
// when not even "/.../name" fits.
QString KeepTrailingDirectories(const QStringList& dirs, const QString& name,
                                int maxLength) {
  QString best;
  QString tail = name;
  for (qsizetype i = dirs.size(); i >= 0; --i) {
    const QString candidate = QLatin1Char('/') + kEllipsis + QLatin1Char('/') + tail;
    if (CodePoints(candidate) > maxLength) break;
    best = candidate;
    if (i == 0) break;
    tail = dirs[i - 1] + QLatin1Char('/') + tail;
  }
  return best;
}

}  // namespace

QString AbsoluteFilePath(const QString& path) {
  return AbsoluteFilePath(path, QDir::currentPath());
}

QString AbsoluteFilePath(const QString& path, const QString& baseDir) {
  if (path.isEmpty()) return QString();
  if (QDir::isAbsolutePath(path)) return QDir::cleanPath(path);
  return QDir::cleanPath(baseDir + QLatin1Char('/') + path);
}

bool SameFilePath(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  return AbsoluteFilePath(a) == AbsoluteFilePath(b);
}

QString AbbreviateFilePath(const QString& absolutePath, const QString& currentDir,
                           int maxLength) {
  const QFileInfo info(absolutePath);
  const QString name = info.fileName();
  const bool inCurrentDir =
      !currentDir.isEmpty() && info.path() == QDir::cleanPath(currentDir);
  if (inCurrentDir || name == absolutePath) return CutMiddle(name, maxLength);
  if (CodePoints(absolutePath) <= maxLength) return absolutePath;

  const QStringList dirs = info.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
  const QString kept = KeepTrailingDirectories(dirs, name, maxLength);
  return kept.isEmpty() ? CutMiddle(name, maxLength) : kept;
}
