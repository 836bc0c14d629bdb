#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The most-recently-used file list of the File menu: at most `size` absolute paths,
// position 0 the most recent. Occupied positions are always the first GetCount() ones.
class CRecentFileList {
 public:
  static constexpr int kMaxSize = 16;

  // `size` is clamped to 0..kMaxSize. `entryFormat` names the value of position i as
  // entryFormat.arg(i + 1) inside the settings group `section`.
  explicit CRecentFileList(int size, QString section = QStringLiteral("Recent File List"),
                           QString entryFormat = QStringLiteral("File%1"),
                           int maxDisplayLength = 30);

  // Puts `path` (made absolute against the current directory and cleaned) at position
  // 0. An equal entry moves up from its place; otherwise the last entry drops out when
  // the list is full. An empty path is ignored.
  void Add(const QString& path);
  // Removes the entry at `index`; the later ones move up. Out of range is ignored.
  void Remove(int index);

  int GetSize() const { return size; }    // capacity
  int GetCount() const { return static_cast<int>(entries.size()); }  // occupied
  bool IsEmpty() const { return entries.isEmpty(); }
  // The path at `index`, or an empty text for an unoccupied or invalid index.
  QString operator[](int index) const { return entries.value(index); }
  const QStringList& entriesMostRecentFirst() const { return entries; }

  // The entry shortened for the menu (see AbbreviateFilePath), or empty if unoccupied.
  QString GetDisplayName(int index, const QString& currentDir) const;
  // The menu item text: "&1 name" .. "&4 name"; a "&" in the name is doubled so it
  // shows as itself instead of making a mnemonic. Empty if unoccupied.
  QString GetMenuText(int index, const QString& currentDir) const;

  // Replaces the entries with those stored in `settings`. Missing or empty values are
  // skipped and duplicates dropped, so a hand-edited store cannot leave holes.
  void ReadList(QSettings& settings);
  // Removes the group and writes it again with one value per occupied position, so an
  // empty list leaves no group behind.
  void WriteList(QSettings& settings) const;

  const QString& section() const { return sectionName; }
  QString EntryName(int index) const { return entryFormat.arg(index + 1); }

 private:
  void Insert(const QString& absolutePath);

  int size;
  QString sectionName;
  QString entryFormat;
  int maxDisplayLength;
  QStringList entries;
};
