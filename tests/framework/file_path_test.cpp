#include "framework/file_path.h"

#include <QList>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct AbsoluteCase {
  const char* name;
  const char* path;
  const char* base;
  const char* expected;
};

void PrintTo(const AbsoluteCase& c, std::ostream* os) { *os << c.name; }

class AbsolutePaths : public ::testing::TestWithParam<AbsoluteCase> {};

TEST_P(AbsolutePaths, AreResolvedAgainstTheBaseAndCleaned) {
  const AbsoluteCase& c = GetParam();
  EXPECT_EQ(AbsoluteFilePath(QString::fromUtf8(c.path), QString::fromUtf8(c.base)),
            QString::fromUtf8(c.expected));
}

const AbsoluteCase kAbsolutePaths[] = {
    {"Relative", "a.txt", "/home/u", "/home/u/a.txt"},
    {"DotsAndTrailingSlashOfBase", "./sub/../a.txt", "/home/u/", "/home/u/a.txt"},
    {"AbsoluteCleaned", "/x//y/./z.txt", "/home/u", "/x/y/z.txt"},
    {"UpFromTheBase", "../a.txt", "/home/u", "/home/a.txt"},
    {"TrailingSlashDropped", "dir/", "/home/u", "/home/u/dir"},
    // "\" is a file-name character here, not a separator.
    {"BackslashIsACharacter", "a\\b.txt", "/w", "/w/a\\b.txt"},
    {"Chinese", "文档.txt", "/home/用户", "/home/用户/文档.txt"},
    {"EmptyStaysEmpty", "", "/home/u", ""},
};

INSTANTIATE_TEST_SUITE_P(FilePath, AbsolutePaths, ::testing::ValuesIn(kAbsolutePaths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FilePath, SameFilePathComparesWithCaseAfterCleaning) {
  EXPECT_TRUE(SameFilePath("/a/b/../c.txt", "/a/c.txt"));
  EXPECT_FALSE(SameFilePath("/a/C.txt", "/a/c.txt"));
  EXPECT_FALSE(SameFilePath("", ""));
}

struct AbbreviateCase {
  const char* name;
  QString path;
  QString currentDir;
  int maxLength;
  QString expected;
};

void PrintTo(const AbbreviateCase& c, std::ostream* os) { *os << c.name; }

class Abbreviations : public ::testing::TestWithParam<AbbreviateCase> {};

TEST_P(Abbreviations, FitTheLimitAndKeepTheFileName) {
  const AbbreviateCase& c = GetParam();
  const QString shown = AbbreviateFilePath(c.path, c.currentDir, c.maxLength);
  EXPECT_EQ(shown, c.expected);
  EXPECT_LE(shown.toUcs4().size(), c.maxLength);
}

const AbbreviateCase kAbbreviations[] = {
    {"ShortPathWhole", "/home/u/a.txt", "/tmp", 30, "/home/u/a.txt"},
    {"InCurrentDirNameOnly", "/home/u/a.txt", "/home/u", 30, "a.txt"},
    {"CurrentDirWithTrailingSlash", "/home/u/a.txt", "/home/u/", 30, "a.txt"},
    {"SubdirOfCurrentDirIsNotNameOnly", "/home/u/d/a.txt", "/home/u", 30,
     "/home/u/d/a.txt"},
    {"ExactlyThirty", "/abcdefghij/klmnopqrst/uvw.txt", "", 30,
     "/abcdefghij/klmnopqrst/uvw.txt"},
    {"KeepsAsManyTrailingDirsAsFit", "/home/someone/projects/vell/notes/today.txt", "",
     30, "/.../vell/notes/today.txt"},
    {"OneLongDirDropped", "/a-very-long-directory-name-here/b.txt", "", 30,
     "/.../b.txt"},
    {"LongNameCutInTheMiddle", "/d/abcdefghijklmnopqrstuvwxyz0123456789.txt", "", 30,
     "abcdefghijklmn...123456789.txt"},
    {"LongNameInCurrentDirCut", "/d/abcdefghijklmnopqrstuvwxyz0123456789.txt", "/d", 30,
     "abcdefghijklmn...123456789.txt"},
    {"ChineseCountsCharactersNotBytes",
     "/home/用户/文档/二零二四年的书法练习/笔记.txt", "", 30,
     "/home/用户/文档/二零二四年的书法练习/笔记.txt"},
    {"ChineseShortened", "/home/用户/文档/二零二四年的书法练习第一卷第二部分/笔记.txt", "",
     30, "/.../二零二四年的书法练习第一卷第二部分/笔记.txt"},
    {"CharactersOutsideTheBmpAreNotSplit",
     "/d/" + QString::fromUcs4(U"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.txt"), "/d", 10,
     QString::fromUcs4(U"😀😀😀😀...txt")},
};

INSTANTIATE_TEST_SUITE_P(FilePath, Abbreviations, ::testing::ValuesIn(kAbbreviations),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
