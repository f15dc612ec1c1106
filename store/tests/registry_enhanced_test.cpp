#include "store/registry_enhanced.h"

#include "store/tests/store_fixture.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

class RegistryTest : public TStoreTest {
 protected:
  TRegistryEnhanced Store{Locations().UserFile, Locations().MachineFile};
};

TEST_F(RegistryTest, ValuesAreReadAsTheKindOfTheirDefault) {
  struct Case {
    QByteArray Stored;  // the line's text after "="
    int AsInt;          // default -7
    int AsBool;         // 1/0, or -1 for the default
    QString AsText;     // default "dflt"
  };
  const Case cases[] = {
      {"1", 1, 1, "1"},
      {"0", 0, 0, "0"},
      {"-11", -11, 1, "-11"},
      {"  42  ", 42, 1, "42"},
      {"0x008000", 0x008000, 1, "0x008000"},
      {"0xFFFFFFFF", -1, 1, "0xFFFFFFFF"},
      {"true", 1, 1, "true"},
      {"False", 0, 0, "False"},
      {"Expert", -7, -1, "Expert"},
      {"", -7, -1, ""},
      {"12abc", -7, -1, "12abc"},
      {"99999999999", -7, -1, "99999999999"},
      {"0x", -7, -1, "0x"},
      // A hand-written line with unquoted commas, as the window size is kept.
      {"0,0,800x600", -7, -1, "0,0,800x600"},
      // Not text at all: every kind falls back to its default.
      {"@Rect(1 2 3 4)", -7, -1, "dflt"},
      {"@ByteArray(xyz)", -7, -1, "dflt"},
  };
  QByteArray file = "[Kinds]\n";
  for (size_t i = 0; i < std::size(cases); ++i)
    file += "v" + QByteArray::number(qsizetype(i)) + "=" + cases[i].Stored + "\n";
  WriteFile(Store.UserFile(), file);

  for (size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const QString path = QStringLiteral("Kinds\\v%1").arg(i);
    SCOPED_TRACE(c.Stored.toStdString());
    EXPECT_EQ(Store.ReadValue(path, -7), c.AsInt);
    EXPECT_EQ(Store.ReadValue(path, true), c.AsBool < 0 ? true : c.AsBool == 1);
    EXPECT_EQ(Store.ReadValue(path, false), c.AsBool < 0 ? false : c.AsBool == 1);
    EXPECT_EQ(Store.ReadValue(path, "dflt"), c.AsText);
  }
}

TEST_F(RegistryTest, IntegersAndBooleansAreStoredAsNumbersAndStringsAsThemselves) {
  ASSERT_TRUE(Store.WriteValue("Settings\\Delay", 450));
  ASSERT_TRUE(Store.WriteValue("Settings\\Sound", false));
  ASSERT_TRUE(Store.WriteValue("Settings\\Music", true));
  ASSERT_TRUE(Store.WriteValue("Settings\\Level", "Expert"));
  ASSERT_TRUE(Store.WriteValue("Settings\\Background Color", 0x004080));

  const QByteArray file = FileBytes(Store.UserFile());
  EXPECT_TRUE(file.contains("Delay=450\n"));
  EXPECT_TRUE(file.contains("Sound=0\n"));
  EXPECT_TRUE(file.contains("Music=1\n"));
  EXPECT_TRUE(file.contains("Level=Expert\n"));
  EXPECT_TRUE(file.contains("Background%20Color=16512\n"));

  TRegistryEnhanced fresh(FreshCopy(Store.UserFile()), QString());
  EXPECT_EQ(fresh.ReadValue("Settings\\Delay", 0), 450);
  EXPECT_FALSE(fresh.ReadValue("Settings\\Sound", true));
  EXPECT_EQ(fresh.ReadValue("Settings\\Sound", 7), 0);  // a boolean is a number
  EXPECT_TRUE(fresh.ReadValue("Settings\\Music", false));
  EXPECT_EQ(fresh.ReadValue("Settings\\Level", "Beginner"), "Expert");
  EXPECT_EQ(fresh.ReadValue("Settings\\Level", 3), 3);  // a string where a number is wanted
  EXPECT_EQ(fresh.ReadValue("Settings\\Delay", "x"), "450");
}

TEST_F(RegistryTest, AValueMissingForTheUserIsReadFromTheMachineFileUntilWritten) {
  WriteFile(Store.MachineFile(), "[Settings]\nLevel=Expert\nDelay=600\nAggression=70\n");
  const QByteArray machine = FileBytes(Store.MachineFile());
  WriteFile(Store.UserFile(), "[Settings]\nAggression=oops\n");

  EXPECT_EQ(Store.ReadValue("Settings\\Level", "Beginner"), "Expert");
  EXPECT_EQ(Store.ReadValue("Settings\\Delay", 300), 600);
  EXPECT_FALSE(Store.ValueExists("Settings\\Level"));  // the machine's values are not the user's
  // Present for the user, even unreadable, it is the user's value: its default.
  EXPECT_EQ(Store.ReadValue("Settings\\Aggression", 50), 50);
  EXPECT_EQ(Store.ReadValue("Settings\\Card Speed", 10), 10);  // in neither file

  ASSERT_TRUE(Store.WriteValue("Settings\\Level", "Advanced"));
  EXPECT_EQ(Store.ReadValue("Settings\\Level", "Beginner"), "Advanced");
  EXPECT_TRUE(FileBytes(Store.UserFile()).contains("Level=Advanced"));
  EXPECT_EQ(FileBytes(Store.MachineFile()), machine);  // never written
}

TEST_F(RegistryTest, AWriteIsInTheFileBeforeItReturnsAndTheMachineFileIsNeverCreated) {
  ASSERT_TRUE(Store.WriteValue("Player Names\\PlayerName1", "Ann,3,1"));
  // What another process (or the next start after a kill) would read now.
  QSettings other(FreshCopy(Store.UserFile()), QSettings::IniFormat);
  EXPECT_EQ(other.value("Player Names/PlayerName1").toString(), "Ann,3,1");
  EXPECT_FALSE(QFileInfo::exists(Store.MachineFile()));
}

TEST_F(RegistryTest, TheUserFileIsPrivateToItsOwner) {
  ASSERT_TRUE(Store.WriteValue("Network\\ProxyPass", "secret"));
  const auto owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  const auto others =
      QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  EXPECT_EQ(QFile::permissions(Store.UserFile()) & (owner | others), owner);
  ASSERT_TRUE(Store.WriteValue("Network\\ProxyUser", "me"));  // the file is replaced on each write
  EXPECT_EQ(QFile::permissions(Store.UserFile()) & (owner | others), owner);
}

TEST_F(RegistryTest, NamesAreOneWhateverTheirCaseAndKeepTheFirstSpelling) {
  ASSERT_TRUE(Store.WriteValue("Settings\\Mouse options", "Double Right Click"));
  ASSERT_TRUE(Store.WriteValue("settings\\Mouse Options", "Single Right Click"));
  ASSERT_TRUE(Store.WriteValue("Player Names\\PlayerName1", "Ann,0,0"));
  ASSERT_TRUE(Store.WriteValue("PLAYER NAMES\\playername2", "Bob,0,0"));

  EXPECT_EQ(Store.ReadValue("SETTINGS\\MOUSE OPTIONS", ""), "Single Right Click");
  EXPECT_EQ(Store.GetValueNames("Settings"), QStringList{"Mouse options"});
  EXPECT_EQ(Store.GetKeyNames(""), (QStringList{"Player Names", "Settings"}));
  EXPECT_EQ(Store.GetValueNames("player names"), (QStringList{"PlayerName1", "playername2"}));
  EXPECT_TRUE(Store.ValueExists("player names\\PLAYERNAME2"));
  EXPECT_TRUE(Store.KeyExists("SETTINGS"));
  const QByteArray file = FileBytes(Store.UserFile());
  EXPECT_TRUE(file.contains("Mouse%20options=Single Right Click"));
  EXPECT_FALSE(file.contains("Mouse%20Options"));
}

TEST_F(RegistryTest, AHandEditedFileWithTwoSpellingsPrefersTheExactOne) {
  WriteFile(Store.UserFile(), "[Settings]\nsound=0\nSound=1\n");
  EXPECT_TRUE(Store.ReadValue("Settings\\Sound", false));
  EXPECT_FALSE(Store.ReadValue("Settings\\sound", true));
}

TEST_F(RegistryTest, OddNamesAndTextsComeBackUnchanged) {
  const QString paths[] = {
      "Player Names\\PlayerName1",
      "Sound\\Help (1st)1",
      "Sound\\End Turn (network games)3",
      "Settings\\100% sure",
      "Settings\\a=b",
      "Settings\\semi;colon",
      "Settings\\#hash",
      "Settings\\[bracket]",
      "Settings\\quote\"d",
      "Settings\\slash/inside",
      "Settings\\ spaced ",
      "Settings\\%2F",
      "Größe\\Schlüssel",
      "日本\\キー",
      "General\\x",
      "General",
      "TopLevel",
      "Deep\\er\\Path",
  };
  const QString texts[] = {
      "plain",      "a=b;c", "100%",           "  spaced  ",  "\"quoted\"",
      "a,b,c",      "@at",   "@Rect(1 2 3 4)", "C:\\Music\\", "line\nbreak\ttab",
      "Größe 日本", "",      "#not a comment", "; nor this",  "[x]",
      "%41",
  };
  for (size_t i = 0; i < std::size(paths); ++i)
    ASSERT_TRUE(Store.WriteValue(paths[i], texts[i % std::size(texts)])) << paths[i].toStdString();

  TRegistryEnhanced fresh(FreshCopy(Store.UserFile()), QString());
  for (size_t i = 0; i < std::size(paths); ++i) {
    SCOPED_TRACE(paths[i].toStdString());
    EXPECT_TRUE(fresh.ValueExists(paths[i]));
    EXPECT_EQ(fresh.ReadValue(paths[i], "<missing>"), texts[i % std::size(texts)]);
  }
  EXPECT_EQ(fresh.GetValueNames("Settings").size(), 9);
  EXPECT_TRUE(fresh.GetValueNames("Settings").contains("slash/inside"));
  EXPECT_EQ(fresh.GetKeyNames("Deep"), QStringList{"er"});
}

TEST_F(RegistryTest, APathWithAnEmptyPartNamesNothing) {
  ASSERT_TRUE(Store.WriteValue("Settings\\Sound", true));
  const QByteArray before = FileBytes(Store.UserFile());
  for (const QString path : {"", "\\Settings\\Sound", "Settings\\", "Settings\\\\Sound", "\\"}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_FALSE(Store.WriteValue(path, 1));
    EXPECT_EQ(Store.ReadValue(path, 9), 9);
    EXPECT_FALSE(Store.ValueExists(path));
  }
  EXPECT_FALSE(Store.DeleteKey(""));  // the root is not a subkey
  EXPECT_FALSE(Store.DeleteKey("Settings\\"));
  EXPECT_EQ(FileBytes(Store.UserFile()), before);
}

TEST_F(RegistryTest, DeleteKeyRemovesTheSubkeyWithEverySpellingAndKeepsTheRest) {
  ASSERT_TRUE(Store.WriteValue("Player Names\\PlayerName1", "Ann,1,2"));
  ASSERT_TRUE(Store.WriteValue("Player Names\\PlayerName2", "Bob,0,0"));
  ASSERT_TRUE(Store.WriteValue("Sound\\Deal1", "shufl.wav"));
  ASSERT_TRUE(Store.WriteValue("Sound\\Deal2", "other.wav"));
  ASSERT_TRUE(Store.WriteValue("Sound\\Nested\\Deeper", 1));
  ASSERT_TRUE(Store.WriteValue("Settings\\Sound", true));
  ASSERT_TRUE(Store.WriteValue("Sound", "a value beside the subkey"));
  // A hand-edited second spelling of the same subkey.
  QByteArray file = FileBytes(Store.UserFile());
  WriteFile(Store.UserFile(), file + "\n[sound]\nExit1=done.wav\n");

  ASSERT_TRUE(Store.DeleteKey("Player Names"));
  ASSERT_TRUE(Store.DeleteKey("SOUND"));
  EXPECT_TRUE(Store.DeleteKey("Not There"));

  TRegistryEnhanced fresh(FreshCopy(Store.UserFile()), QString());
  EXPECT_FALSE(fresh.KeyExists("Player Names"));
  EXPECT_FALSE(fresh.KeyExists("Sound"));
  EXPECT_FALSE(fresh.ValueExists("Player Names\\PlayerName1"));
  EXPECT_FALSE(fresh.ValueExists("sound\\Exit1"));
  EXPECT_EQ(fresh.GetKeyNames(""), QStringList{"Settings"});
  EXPECT_TRUE(fresh.ReadValue("Settings\\Sound", false));
  EXPECT_EQ(fresh.ReadValue("Sound", ""), "a value beside the subkey");

  // Rewritten the way the sound dialog does it.
  ASSERT_TRUE(Store.WriteValue("Sound\\Deal1", "<none>"));
  EXPECT_EQ(Store.GetValueNames("Sound"), QStringList{"Deal1"});
}

TEST_F(RegistryTest, ReplaceKeyLeavesOnlyTheNewValuesOfTheSubkeyInOneWrite) {
  ASSERT_TRUE(Store.WriteValue("Sound\\Deal1", "old.wav"));
  ASSERT_TRUE(Store.WriteValue("Sound\\Exit2", "stale.wav"));
  ASSERT_TRUE(Store.WriteValue("Settings\\Sound", true));
  WriteFile(Store.UserFile(), FileBytes(Store.UserFile()) + "\n[sound]\nExit3=other spelling.wav\n");

  ASSERT_TRUE(Store.ReplaceKey("Sound", {{"Deal1", "<none>"}, {"Exit1", "a b/c.wav"}}));

  TRegistryEnhanced fresh(FreshCopy(Store.UserFile()), QString());
  QStringList names = fresh.GetValueNames("Sound");
  names.sort();
  EXPECT_EQ(names, (QStringList{"Deal1", "Exit1"}));
  EXPECT_EQ(fresh.ReadValue("Sound\\Deal1", ""), "<none>");
  EXPECT_EQ(fresh.ReadValue("Sound\\Exit1", ""), "a b/c.wav");
  EXPECT_TRUE(fresh.ReadValue("Settings\\Sound", false));
  // A path that names nothing writes nothing at all.
  const QByteArray before = FileBytes(Store.UserFile());
  EXPECT_FALSE(Store.ReplaceKey("Sound", {{"", "x"}}));
  EXPECT_EQ(FileBytes(Store.UserFile()), before);
}

TEST_F(RegistryTest, AFileThatCannotBeWrittenGivesDefaultsAndFailedWrites) {
  WriteFile(PathOf("blocker"), "a file where the folder should be");
  TRegistryEnhanced blocked(PathOf("blocker/Tarvelo.conf"), QString());
  EXPECT_FALSE(blocked.WriteValue("Settings\\Sound", false));
  EXPECT_TRUE(blocked.ReadValue("Settings\\Sound", true));
  EXPECT_TRUE(blocked.GetKeyNames("").isEmpty());
}

}  // namespace
