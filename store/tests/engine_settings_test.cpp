#include "engine/game.h"
#include "engine/rules.h"
#include "engine/silent_host.h"
#include "store/registry_tarvelo.h"
#include "store/store_settings.h"
#include "store/tests/store_fixture.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A host whose settings calls go to the store, as the table window's will.
class TStoreHost : public TSilentHost {
 public:
  TStoreHost(TRegistryEnhanced& store, std::uint32_t seed) : TSilentHost(seed), StoreSettings(store) {}

  int ReadInt(std::string_view path, int defaultValue) override { return StoreSettings.ReadInt(path, defaultValue); }
  bool ReadBool(std::string_view path, bool defaultValue) override {
    return StoreSettings.ReadBool(path, defaultValue);
  }
  std::string ReadString(std::string_view path, const std::string& defaultValue) override {
    return StoreSettings.ReadString(path, defaultValue);
  }
  void WriteInt(std::string_view path, int value) override { StoreSettings.WriteInt(path, value); }
  void WriteBool(std::string_view path, bool value) override { StoreSettings.WriteBool(path, value); }

  TStoreSettings StoreSettings;
};

class EngineSettingsTest : public TStoreTest {
 protected:
  TRegistryTarvelo Store{Locations()};
  TStoreHost Host{Store, 1};
};

TEST_F(EngineSettingsTest, RulesComeFromTheStoreWhateverTheSpellingThatWroteThem) {
  EXPECT_EQ(LoadRules(Host), TRuleSettings{});
  EXPECT_TRUE(Host.Settings.empty());  // nothing went to the host's own memory

  ASSERT_TRUE(Store.WriteValue("Settings\\Canasta Required", true));  // read as "Canasta required"
  ASSERT_TRUE(Store.WriteValue("settings\\number of canastas", 2));
  ASSERT_TRUE(Store.WriteValue("Settings\\Top card counts", false));
  ASSERT_TRUE(Store.WriteValue("Settings\\Natural pair", false));
  TRuleSettings expected;
  expected.CanastaRequired = true;
  expected.NumberOfCanastas = 2;
  expected.TopCardCounts = false;
  expected.NaturalPair = false;
  EXPECT_EQ(LoadRules(Host), expected);
}

TEST_F(EngineSettingsTest, StoredRulesSurviveARestart) {
  StoreRules(Host, HoyleRules());
  TRegistryEnhanced restarted(FreshCopy(Store.UserFile()), QString());
  TStoreHost after(restarted, 1);
  EXPECT_EQ(LoadRules(after), HoyleRules());
  EXPECT_EQ(restarted.ReadValue("Settings\\Number of Cards", 0), 2);
}

// The stored rule, once read into the rules in force as the session does at start, freezes the deal's pile.
TEST_F(EngineSettingsTest, TheDealFreezesThePileFromTheStoredInitialBlock) {
  for (const bool initialBlock : {true, false}) {
    ASSERT_TRUE(Store.WriteValue("Settings\\Initial Block", initialBlock));
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      TStoreHost host(Store, seed);
      TGame game(host);
      game.LoadRules();
      game.DealHand(false);
      // A wildcard or red three turned up under the upcard freezes the pile anyway.
      const bool upcardAlone = game.Table.DiscardPile.Count == 1;
      EXPECT_EQ(game.Table.PileFrozen, initialBlock || !upcardAlone) << "seed " << seed;
    }
  }
}

TEST_F(EngineSettingsTest, AnImportedOldSettingReachesTheDeal) {
  WriteFile(Locations().LegacyFolder + "/tarvelo.ini", "[Tarvelo Settings]\nVersion=300\nInitial block=No\n");
  ASSERT_TRUE(Store.MigrateSettings().Imported);
  TGame game(Host);
  game.LoadRules();
  EXPECT_FALSE(game.Rules.InitialBlock);
  game.DealHand(true);
  EXPECT_EQ(game.Table.PileFrozen, game.Table.DiscardPile.Count > 1);
}

TEST_F(EngineSettingsTest, TextsPassAsUtf8) {
  ASSERT_TRUE(Store.WriteValue("Settings\\Level", QString::fromUtf8("Expert – ü")));
  EXPECT_EQ(Host.ReadString("Settings\\Level", "Beginner"), "Expert – ü");
  EXPECT_EQ(Host.ReadString("Spieler\\Größe", "ä"), "ä");
  Host.WriteInt("Spieler\\Größe", 3);
  EXPECT_EQ(Store.ReadValue(QString::fromUtf8("spieler\\GRÖSSE"), 0), 0);  // case folding is not spelling
  EXPECT_EQ(Store.ReadValue(QString::fromUtf8("SPIELER\\größe"), 0), 3);
}

}  // namespace
