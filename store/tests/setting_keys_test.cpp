#include "store/setting_keys.h"

#include "store/registry_tarvelo.h"
#include "store/tests/store_fixture.h"

#include <gtest/gtest.h>
#include <set>

using namespace tarvelo;

namespace {

class SettingKeysTest : public TStoreTest {
 protected:
  TRegistryTarvelo Store{Locations()};
};

struct Expected {
  const char* Path;
  QVariant Default;
};

// The settings and their defaults as the program documents them, one path of
// each family at least; written out here, not taken from the table.
const Expected kDocumented[] = {
    {"Settings\\Version", 0},
    {"Settings\\Background Color", 0x008000},
    {"Settings\\Mouse options", QString("Single Right Click")},
    {"Settings\\Select Player on startup", true},
    {"Settings\\Sound", true},
    {"Settings\\Delay", 300},
    {"Settings\\AutoSave", true},
    {"Settings\\Music", false},
    {"Settings\\Music Type", 1},
    {"Music\\File", QString("ARCADIA.MID")},
    {"Settings\\Show Statusbar", true},
    {"Settings\\Level", QString("Beginner")},
    {"Settings\\Aggression", 50},
    {"Settings\\Master Time", 1000},
    {"Settings\\Card Movement", true},
    {"Settings\\Card Speed", 10},
    {"Settings\\Show Highscores", true},
    {"Settings\\Show Turns", true},
    {"Cardback\\Type0", 0},
    {"Cardback\\Type1", 0},
    {"Cardback\\Color0", 0x000080},
    {"Cardback\\Color1", 0x004080},
    {"Cardback\\Pattern1", 0},
    {"Cardback\\Filename0", QString()},
    {"Sound\\End Turn (network games)3", QString()},
    {"Player Names\\PlayerName1", QString()},
    {"Beginner\\Score1", 0},
    {"NetworkGame\\Name10", QString()},
    {"Advanced\\Date4", QString()},
    {"ExpertMatch\\Score3", 0},
    {"ExpertMatch\\Name3", QString()},
    {"BeginnerMatch\\Date10", QString()},
    {"Master\\Score1", 0},
    {"MasterMatch\\Name10", QString()},
    {"MatchHistory\\Match0", QString()},
    {"MatchHistory\\Match99", QString()},
    {"Network\\Chat on Top", true},
    {"Chat\\Font.Color", 0},
    {"Chat\\Font.Height", -11},
    {"Lobby\\Font.Name", QString("MS Sans Serif")},
    {"Chat\\Font.Pitch", 0},
    {"Lobby\\Font.Size", 8},
    {"Chat\\Font.Bold", false},
    {"Lobby\\Font.Italic", false},
    {"Chat\\Font.Underline", false},
    {"Lobby\\Font.StrikeOut", false},
    {"Settings\\Canasta Required", false},
    {"Settings\\Number of Canastas", 1},
    {"Settings\\Number of Cards", 1},
    {"Settings\\Add to Canasta", true},
    {"Settings\\Top Card Counts", true},
    {"Settings\\Initial Block", true},
    {"Settings\\Initial Block for Both", true},
    {"Settings\\Natural Pair", true},
    {"Settings\\Add Existing Meld", false},
    {"Settings\\Draw Extra", true},
    {"Settings\\Three Block", false},
    {"Settings\\Bonus Counts", false},
    {"Settings\\Wildcard Canasta", true},
    {"Network\\GameType", 0},
    {"Network\\Server", QString()},
    {"Network\\Port", 0},
    {"Network\\PrivateLobbyRoom", QString()},
    {"Network\\ProxyServer", QString()},
    {"Network\\ProxyPort", QString()},
    {"Network\\ProxyUser", QString()},
    {"Network\\ProxyPass", QString()},
    {"Chat\\Height", 108},
    {"Chat\\Width", 429},
};

// Their defaults depend on the machine: the caller gives them.
const char* const kByCaller[] = {"Music\\Dir", "Settings\\Resolution",     "Network\\Username", "Chat\\Left",
                                 "Chat\\Top",  "Network\\Background Color"};

TEST_F(SettingKeysTest, AnEmptyStoreGivesEveryDocumentedDefaultOfTheRightKind) {
  for (const Expected& e : kDocumented) {
    SCOPED_TRACE(e.Path);
    const QVariant value = Store.ReadSetting(e.Path);
    EXPECT_EQ(value.typeId(), e.Default.typeId());
    EXPECT_EQ(value, e.Default);
  }
  EXPECT_FALSE(QFileInfo::exists(Store.UserFile()));  // reading writes nothing
}

TEST_F(SettingKeysTest, TheTableHoldsExactlyTheDocumentedSettings) {
  std::set<const TSettingKey*> covered;
  for (const Expected& e : kDocumented) covered.insert(FindSettingKey(e.Path));
  for (const char* path : kByCaller) {
    const TSettingKey* key = FindSettingKey(path);
    ASSERT_NE(key, nullptr) << path;
    EXPECT_TRUE(key->ByCaller) << path;
    covered.insert(key);
  }
  EXPECT_EQ(covered.count(nullptr), 0u);
  for (const TSettingKey& key : SettingKeys()) EXPECT_TRUE(covered.count(&key)) << "not documented: " << key.Path;
}

TEST_F(SettingKeysTest, EveryPathOfEveryFamilyFindsItsOwnRowAndDefault) {
  for (const TSettingKey& key : SettingKeys()) {
    for (const QString& path : SettingPaths(key, key.First + 2)) {
      SCOPED_TRACE(path.toStdString());
      EXPECT_EQ(FindSettingKey(path), &key);
      EXPECT_EQ(FindSettingKey(path.toUpper()), &key);
      if (!key.ByCaller) {
        EXPECT_EQ(Store.ReadSetting(path), key.Default());
      }
    }
  }
}

TEST_F(SettingKeysTest, NumbersAndNamesOfFamiliesMustFitTheirRanges) {
  const std::pair<const char*, bool> cases[] = {
      {"cardback\\TYPE1", true},
      {"Cardback\\Type2", false},
      {"Cardback\\Type01", false},
      {"Cardback\\Type", false},
      {"Cardback\\Color2", false},
      {"MatchHistory\\Match99", true},
      {"MatchHistory\\Match100", false},
      {"Player Names\\PlayerName0", false},
      {"Player Names\\PlayerName1234", true},
      {"Player Names\\PlayerName1x", false},
      {"Expert\\Score10", true},
      {"Expert\\Score11", false},
      {"Expert\\Score0", false},
      {"Master\\Score11", false},
      {"Masters\\Score1", false},
      {"NetworkGameMatch\\Date1", true},
      {"Sound\\Help (1st)3", true},
      {"Sound\\Help (1st)4", false},
      {"Sound\\Applause1", false},
      {"Dialog\\Font.Name", false},
      {"Settings\\Unknown", false},
      {"Settings\\Sound\\Extra", false},
      {"", false},
  };
  for (const auto& [path, declared] : cases) EXPECT_EQ(FindSettingKey(path) != nullptr, declared) << path;
  EXPECT_FALSE(Store.ReadSetting("Settings\\Unknown").isValid());
}

TEST_F(SettingKeysTest, StoredValuesWinAndWrongKindsFallBackToTheDefault) {
  ASSERT_TRUE(Store.WriteValue("Settings\\Delay", "fast"));
  ASSERT_TRUE(Store.WriteValue("settings\\show turns", false));
  ASSERT_TRUE(Store.WriteValue("Settings\\Level", 2));
  EXPECT_EQ(Store.ReadSetting("Settings\\Delay"), QVariant(300));
  EXPECT_EQ(Store.ReadSetting("Settings\\Show Turns"), QVariant(false));
  EXPECT_EQ(Store.ReadSetting("Settings\\Level"), QVariant(QString("2")));  // a number reads as its text
}

TEST_F(SettingKeysTest, MachineDependentDefaultsComeFromTheCaller) {
  EXPECT_EQ(Store.ReadSetting("Music\\Dir", QString("/usr/share/tarvelo")), QVariant(QString("/usr/share/tarvelo")));
  EXPECT_EQ(Store.ReadSetting("Settings\\Resolution", QString("0,0,1024x768")), QVariant(QString("0,0,1024x768")));
  EXPECT_EQ(Store.ReadSetting("Chat\\Left", 312), QVariant(312));
  EXPECT_EQ(Store.ReadSetting("Network\\Background Color", 0xFFFFFF), QVariant(0xFFFFFF));
  ASSERT_TRUE(Store.WriteValue("Chat\\Left", 40));
  EXPECT_EQ(Store.ReadSetting("Chat\\Left", 312), QVariant(40));
}

TEST_F(SettingKeysTest, FontsAreStoredUnderTheWindowsName) {
  const TFontRecord defaults{0, -11, "MS Sans Serif", 0, 8, false, false, false, false};
  EXPECT_EQ(Store.ReadFont("Chat"), defaults);

  const TFontRecord lobby{0x0000FF, -14, "DejaVu Sans", 2, 10, true, false, true, false};
  ASSERT_TRUE(Store.WriteFont("Lobby", lobby));
  EXPECT_EQ(Store.ReadFont("lobby"), lobby);
  EXPECT_EQ(Store.ReadFont("Chat"), defaults);
  EXPECT_EQ(Store.ReadValue("Lobby\\Font.Bold", 0), 1);  // booleans as numbers
}

}  // namespace
