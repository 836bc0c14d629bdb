#include "framework/app_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kKey = QStringLiteral("Local AppWizard-Generated Applications");

// A profile as the application sets it up, rooted in a temporary configuration folder.
class AppProfileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root.isValid()); }

  std::unique_ptr<CAppProfile> StartedProfile() {
    auto profile = std::make_unique<CAppProfile>();
    profile->SetConfigRoot(root.path());
    profile->SetRegistryKey(kKey);
    profile->LoadStdProfileSettings(4);
    return profile;
  }
  QString OrgDir() const { return root.filePath(kKey); }
  QString IniPath() const { return root.filePath(kKey + "/Vell.ini"); }

  QTemporaryDir root;
};

TEST_F(AppProfileTest, SettingsFileIsTheUserScopeIniOfTheOrganisation) {
  EXPECT_EQ(StartedProfile()->iniPath(), IniPath());

  // Without an explicit root it is the file Qt's own user-scope INI settings use; the
  // test main points XDG_CONFIG_HOME at a temporary folder for the whole run.
  CAppProfile profile;
  profile.SetRegistryKey(kKey);
  const QSettings qtDefault(QSettings::IniFormat, QSettings::UserScope, kKey, "Vell");
  EXPECT_EQ(profile.iniPath(), qtDefault.fileName());
  EXPECT_EQ(profile.iniPath(),
            qEnvironmentVariable("XDG_CONFIG_HOME") + "/" + kKey + "/Vell.ini");
}

TEST_F(AppProfileTest, FirstStartLeavesNoListGroupAndNoPreviewPages) {
  auto profile = StartedProfile();
  ASSERT_NE(profile->recentFileList(), nullptr);
  EXPECT_TRUE(profile->recentFileList()->IsEmpty());
  EXPECT_EQ(profile->recentFileList()->GetSize(), 4);
  EXPECT_EQ(profile->previewPages(), 0);
  EXPECT_TRUE(profile->SaveStdProfileSettings());
  profile.reset();

  const QSettings after(IniPath(), QSettings::IniFormat);
  EXPECT_EQ(after.status(), QSettings::NoError);
  EXPECT_FALSE(after.childGroups().contains("Recent File List"));
  EXPECT_TRUE(after.allKeys().isEmpty());
}

TEST_F(AppProfileTest, RestartShowsTheSameFourEntries) {
  auto first = StartedProfile();
  for (const char* path : {"/d/1.txt", "/d/2.txt", "/d/3.txt", "/d/4.txt", "/d/5.txt"}) {
    first->recentFileList()->Add(path);
  }
  first->recentFileList()->Add("/d/3.txt");
  ASSERT_TRUE(first->SaveStdProfileSettings());
  first.reset();

  const QStringList expected{"/d/3.txt", "/d/5.txt", "/d/4.txt", "/d/2.txt"};
  QSettings raw(IniPath(), QSettings::IniFormat);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(raw.value(QStringLiteral("Recent File List/File%1").arg(i + 1)).toString(),
              expected[i]);
  }
  auto second = StartedProfile();
  EXPECT_EQ(second->recentFileList()->entriesMostRecentFirst(), expected);
}

TEST_F(AppProfileTest, PreviewPagesIsReadAndKeptOnlyWhenNotZero) {
  {
    QSettings seed(IniPath(), QSettings::IniFormat);
    seed.setValue("Settings/PreviewPages", 2);
  }
  auto profile = StartedProfile();
  EXPECT_EQ(profile->previewPages(), 2);
  QFile::remove(IniPath());
  ASSERT_TRUE(profile->SaveStdProfileSettings());
  EXPECT_EQ(QSettings(IniPath(), QSettings::IniFormat).value("Settings/PreviewPages").toInt(),
            2);

  {
    QSettings seed(IniPath(), QSettings::IniFormat);
    seed.setValue("Settings/PreviewPages", "lots");
  }
  EXPECT_EQ(StartedProfile()->previewPages(), 0);
}

TEST_F(AppProfileTest, NoListWhenLoadedWithoutEntries) {
  auto profile = std::make_unique<CAppProfile>();
  profile->SetConfigRoot(root.path());
  profile->SetRegistryKey(kKey);
  profile->LoadStdProfileSettings(0);
  EXPECT_EQ(profile->recentFileList(), nullptr);
  EXPECT_TRUE(profile->SaveStdProfileSettings());
}

TEST_F(AppProfileTest, SuppressedSaveLeavesTheStoredListAsItWas) {
  auto first = StartedProfile();
  first->recentFileList()->Add("/d/kept.txt");
  ASSERT_TRUE(first->SaveStdProfileSettings());
  first.reset();

  auto registering = StartedProfile();
  registering->recentFileList()->Add("/d/new.txt");
  registering->SuppressSaveAtExit();
  EXPECT_TRUE(registering->SaveStdProfileSettings());
  registering.reset();
  EXPECT_EQ(StartedProfile()->recentFileList()->entriesMostRecentFirst(),
            QStringList{"/d/kept.txt"});
}

TEST_F(AppProfileTest, UnregisterRemovesTheFileAndTheEmptyOrganisationFolder) {
  auto profile = StartedProfile();
  profile->recentFileList()->Add("/d/a.txt");
  ASSERT_TRUE(profile->SaveStdProfileSettings());
  ASSERT_TRUE(QFileInfo::exists(IniPath()));
  profile->settings().setValue("Settings/NotYetWritten", 1);

  EXPECT_TRUE(profile->Unregister());
  EXPECT_FALSE(QFileInfo::exists(IniPath()));
  EXPECT_FALSE(QFileInfo::exists(OrgDir()));
  // Neither the exit save nor closing the profile (with a value still pending
  // before the removal) may bring the file back.
  EXPECT_TRUE(profile->SaveStdProfileSettings());
  profile.reset();
  EXPECT_FALSE(QFileInfo::exists(IniPath()));
  EXPECT_FALSE(QFileInfo::exists(OrgDir()));
}

TEST_F(AppProfileTest, UnregisterKeepsOtherApplicationsAndSucceedsWithoutAFile) {
  ASSERT_TRUE(QDir().mkpath(OrgDir()));
  {
    QSettings other(OrgDir() + "/Other.ini", QSettings::IniFormat);
    other.setValue("Settings/x", 1);
  }
  auto profile = StartedProfile();
  EXPECT_TRUE(profile->Unregister());
  EXPECT_TRUE(QFileInfo::exists(OrgDir() + "/Other.ini"));
}

TEST_F(AppProfileTest, UnregisterReportsASettingsFileItCannotRemove) {
  // A directory where the settings file belongs cannot be removed as a file.
  ASSERT_TRUE(QDir().mkpath(IniPath() + "/inside"));
  EXPECT_FALSE(StartedProfile()->Unregister());
  EXPECT_TRUE(QFileInfo::exists(OrgDir()));
}

TEST_F(AppProfileTest, SaveReportsASettingsFileItCannotWrite) {
  // A plain file where the organisation folder belongs stops the save.
  QFile blocker(OrgDir());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  auto profile = StartedProfile();
  profile->recentFileList()->Add("/d/a.txt");
  EXPECT_FALSE(profile->SaveStdProfileSettings());
}

}  // namespace
