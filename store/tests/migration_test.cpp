#include "store/registry_tarvelo.h"
#include "store/tests/store_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// Old saved games and program files, and a file of the user's own.
const char* const kDataFiles[] = {"autosave.tvl", "My Game.TVL", "TVL640.DLL",
                                  "tvl800.dll",   "TARVELO.INI", "notes.txt"};

class MigrationTest : public TStoreTest {
 protected:
  TRegistryTarvelo Store{Locations()};

  QString LegacyFile() const { return Locations().LegacyFolder + "/tarvelo.ini"; }
  QString DataFile(const QString& name) const { return Locations().DataFolder + "/" + name; }
  QString AsideFile(const QString& name) const { return Locations().DataFolder + "/Previous version/" + name; }

  void WriteLegacy(const QByteArray& lines) { WriteFile(LegacyFile(), "[Tarvelo Settings]\r\n" + lines); }
  void WriteOldFiles() {
    for (const char* name : kDataFiles) WriteFile(DataFile(name), QByteArray("content of ") + name);
  }
};

TEST_F(MigrationTest, AFirstStartWritesOnlyTheVersion) {
  const TMigration m = Store.MigrateSettings();
  EXPECT_TRUE(m.Ran);
  EXPECT_EQ(m.FoundVersion, 0);
  EXPECT_FALSE(m.Imported);
  EXPECT_EQ(Store.ReadValue("Settings\\Version", 0), 50001);
  EXPECT_EQ(Store.GetKeyNames(""), QStringList{"Settings"});
  EXPECT_EQ(Store.GetValueNames("Settings"), QStringList{"Version"});
  EXPECT_EQ(Store.ReadSetting("Settings\\Sound"), QVariant(true));
}

TEST_F(MigrationTest, TheImportComparesTextsExactly) {
  WriteLegacy(
      "Version=300\r\n"
      "Music=on\r\n"      // not "On"
      "sound=Yes\r\n"     // names are found whatever their case
      "AutoSave=yes\r\n"  // not "Yes"
      "Canasta Required=Yes\r\n"
      "Draw Extra=No\r\n"
      "Three Block=YES\r\n"
      "Top card counts=Yes\r\n"
      "Initial block=No\r\n"
      "Number of Canastas=Two\r\n"
      "Number of Cards=one\r\n");  // not "One"
  // Missing: "Add to Canasta" and "Natural pair" take "Yes".
  const TMigration m = Store.MigrateSettings();
  EXPECT_TRUE(m.Imported);
  EXPECT_EQ(m.FoundVersion, 300);

  const std::pair<const char*, int> expected[] = {
      {"Settings\\Background Color", 0x000080},
      {"Settings\\Music", 0},
      {"Settings\\Sound", 1},
      {"Settings\\AutoSave", 0},
      {"Settings\\Canasta Required", 1},
      {"Settings\\Draw Extra", 0},
      {"Settings\\Three Block", 0},
      {"Settings\\Add to Canasta", 1},
      {"Settings\\Top card counts", 1},
      {"Settings\\Initial block", 0},
      {"Settings\\Natural pair", 1},
      {"Settings\\Number of Canastas", 2},
      {"Settings\\Number of Cards", 2},
      {"Settings\\Version", 50001},
  };
  for (const auto& [path, value] : expected) {
    EXPECT_TRUE(Store.ValueExists(path)) << path;
    EXPECT_EQ(Store.ReadValue(path, -1), value) << path;
  }
  EXPECT_EQ(Store.GetValueNames("Settings").size(), std::size(expected));
  // The import's spelling is the stored one; the rules read it all the same.
  EXPECT_TRUE(Store.GetValueNames("Settings").contains("Initial block"));
  EXPECT_EQ(Store.ReadSetting("Settings\\Initial Block"), QVariant(false));
}

TEST_F(MigrationTest, EachOldGenerationGetsItsOwnSteps) {
  struct Case {
    const char* IniVersion;  // nullptr: no legacy file
    int StoredVersion;       // 0: none stored
    bool Imported;
    bool FilesMoved;  // the DLLs, TARVELO.INI and saved games
    bool SavedGamesMoved;
    bool LegacyCopied;
  };
  const Case cases[] = {
      {"250", 0, true, false, false, true},
      {"300", 0, true, false, false, false},
      {"301", 0, true, true, true, false},
      {"399", 0, true, true, true, false},
      {"400", 0, false, false, true, false},
      {"41498", 0, false, false, true, false},
      {"41499", 0, false, false, false, false},
      {"0", 0, false, false, false, false},
      {"abc", 0, false, false, false, false},
      {nullptr, 0, false, false, false, false},
      // A version in the store counts before the file's; the file still gives the values.
      {"0", 350, true, true, true, false},
      {nullptr, 350, false, true, true, false},
      {"300", 41000, false, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.IniVersion ? c.IniVersion : "no file") + " / " + std::to_string(c.StoredVersion));
    QTemporaryDir dir;
    TStoreLocations l;
    l.UserFile = dir.filePath("Tarvelo.conf");
    l.LegacyFolder = dir.filePath("config");
    l.DataFolder = dir.filePath("data");
    for (const char* name : kDataFiles) WriteFile(l.DataFolder + "/" + name, name);
    if (c.IniVersion)
      WriteFile(l.LegacyFolder + "/tarvelo.ini", QByteArray("[Tarvelo Settings]\nSound=No\nVersion=") + c.IniVersion);
    TRegistryTarvelo store(l);
    if (c.StoredVersion) {
      ASSERT_TRUE(store.WriteValue("Settings\\Version", c.StoredVersion));
    }

    const TMigration m = store.MigrateSettings();
    EXPECT_TRUE(m.Ran);
    EXPECT_EQ(m.Imported, c.Imported);
    EXPECT_EQ(store.ReadValue("Settings\\Sound", true), !c.Imported);
    EXPECT_EQ(store.ReadValue("Settings\\Version", 0), 50001);
    const QDir data(l.DataFolder);
    EXPECT_EQ(data.exists("TVL640.DLL"), !c.FilesMoved);
    EXPECT_EQ(data.exists("tvl800.dll"), !c.FilesMoved);
    EXPECT_EQ(data.exists("TARVELO.INI"), !c.FilesMoved);
    EXPECT_EQ(data.exists("Previous version/TARVELO.INI"), c.FilesMoved);
    EXPECT_EQ(data.exists("autosave.tvl"), !c.SavedGamesMoved);
    EXPECT_EQ(data.exists("My Game.TVL"), !c.SavedGamesMoved);
    EXPECT_EQ(data.exists("Previous version/My Game.TVL"), c.SavedGamesMoved);
    EXPECT_EQ(m.MovedAside.size(), (c.FilesMoved ? 3 : 0) + (c.SavedGamesMoved ? 2 : 0));
    EXPECT_TRUE(data.exists("notes.txt"));
    EXPECT_EQ(QFileInfo::exists(l.DataFolder + "/tarvelo.ini"), c.LegacyCopied);
    if (c.LegacyCopied) {
      EXPECT_EQ(FileBytes(l.DataFolder + "/tarvelo.ini"), FileBytes(l.LegacyFolder + "/tarvelo.ini"));
    }
    EXPECT_EQ(QFileInfo::exists(l.LegacyFolder + "/tarvelo.ini"), c.IniVersion != nullptr);  // never removed
  }
}

TEST_F(MigrationTest, ASecondStartMigratesNothing) {
  WriteLegacy("Version=350\r\nSound=No\r\n");
  WriteOldFiles();
  ASSERT_TRUE(Store.MigrateSettings().Ran);
  ASSERT_TRUE(Store.WriteValue("Settings\\Sound", true));  // the user changes a setting
  WriteFile(DataFile("autosave.tvl"), "this generation's saved game");
  const QByteArray settings = FileBytes(Store.UserFile());

  const TMigration again = Store.MigrateSettings();
  EXPECT_FALSE(again.Ran);
  EXPECT_EQ(again.FoundVersion, 50001);
  EXPECT_EQ(FileBytes(Store.UserFile()), settings);
  EXPECT_EQ(FileBytes(DataFile("autosave.tvl")), "this generation's saved game");
}

TEST_F(MigrationTest, ANewerGenerationsStoreIsLeftAlone) {
  WriteLegacy("Version=300\r\nSound=No\r\n");
  ASSERT_TRUE(Store.WriteValue("Settings\\Version", 60000));
  const TMigration m = Store.MigrateSettings();
  EXPECT_FALSE(m.Ran);
  EXPECT_EQ(Store.ReadValue("Settings\\Version", 0), 60000);
  EXPECT_FALSE(Store.ValueExists("Settings\\Sound"));
}

TEST_F(MigrationTest, OldFilesMovedAsideKeepTheirContentAndNeverOverwriteEarlierOnes) {
  WriteLegacy("Version=400\r\n");
  WriteFile(DataFile("autosave.tvl"), "newer old game");
  WriteFile(AsideFile("autosave.tvl"), "older old game");
  WriteFile(AsideFile("autosave.tvl.1"), "oldest old game");

  const TMigration m = Store.MigrateSettings();
  EXPECT_EQ(m.MovedAside, QStringList{"autosave.tvl"});
  EXPECT_EQ(FileBytes(AsideFile("autosave.tvl")), "older old game");
  EXPECT_EQ(FileBytes(AsideFile("autosave.tvl.1")), "oldest old game");
  EXPECT_EQ(FileBytes(AsideFile("autosave.tvl.2")), "newer old game");
  EXPECT_FALSE(QFileInfo::exists(DataFile("autosave.tvl")));
}

}  // namespace
