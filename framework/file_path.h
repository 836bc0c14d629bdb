#pragma once

#include <QString>

// Path text as the recent-file list and the document handling see it. On this platform
// file paths compare with case, and "\" is an ordinary file-name character.

// `path` made absolute against `baseDir` (or the current directory) and cleaned of
// ".", ".." and doubled or trailing separators. Symbolic links are kept as written.
// An empty path stays empty rather than naming the base directory.
QString AbsoluteFilePath(const QString& path);
QString AbsoluteFilePath(const QString& path, const QString& baseDir);

// Whether two paths name the same file as this platform compares paths: equal after
// AbsoluteFilePath, with case. Empty paths name no file and are never the same.
bool SameFilePath(const QString& a, const QString& b);

// A menu-sized form of an absolute path, at most `maxLength` characters (code points):
// - a file directly in `currentDir` shows its name alone;
// - otherwise the whole path when it fits, else the root, "..." and as many of the
//   trailing directories as fit before the file name ("/.../dir/name.txt");
// - a name that does not fit even so is cut in its middle ("begin...end.txt"), so the
//   start and the extension stay visible.
QString AbbreviateFilePath(const QString& absolutePath, const QString& currentDir,
                           int maxLength);
