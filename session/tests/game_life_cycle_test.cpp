// The game across runs without a screen: the game a run starts with, the
// auto-save at exit and a parked network game, in a temporary data folder.
#include "session/game_life_cycle.h"

#include "engine/testing/table_builder.h"
#include "session/testing/saved_game_files.h"
#include "session/tests/session_fixture.h"
#include "store/saved_game_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

class TSoundingDisplay : public TRecordingDisplay {
 public:
  std::vector<std::string> Sounds;
  void PlaySound(std::string_view event) override { Sounds.emplace_back(event); }
};

struct LifeCycle : ::testing::Test {
  LifeCycle() { TestCoreApp(); }
  QTemporaryDir data;
  TMemorySettings settings;
  TSoundingDisplay display;
  std::string player;

  // A run of the program: a session with its life cycle over the data folder.
  struct TRun {
    std::unique_ptr<TSession> Session;
    std::unique_ptr<TGameLifeCycle> Files;
    TTableState& Table() { return Session->MutableGame().Table; }
  };
  TRun Run(const QString& folder = {}) {
    TSessionHooks hooks;
    hooks.PlayerName = [this] { return player; };
    TRun run{std::make_unique<TSession>(settings, hooks, 7), nullptr};
    run.Session->SetDisplay(&display);
    run.Files = std::make_unique<TGameLifeCycle>(*run.Session, folder.isEmpty() ? data.path() : folder);
    return run;
  }
  QString AutoSave() const { return data.filePath(AutoSaveFileName); }
  static std::string FileOf(const TGame& game) { return SavedFileOf(game); }
  static void LayGame(TGame& game) { LayGameInProgress(game); }
  static QByteArray Bytes(const QString& path) { return FileBytes(path); }
  static void Put(const QString& path, const QByteArray& bytes) { PutFile(path, bytes); }
};

TEST_F(LifeCycle, TheAutoSaveAtExit) {
  struct Case {
    const char* name;
    bool autoSave, inProgress, illegalMelds;
    enum { Written, Deleted, Kept } file;
  };
  const Case cases[] = {
      {"a game in progress", true, true, false, Case::Written},
      {"auto-save off", false, true, false, Case::Deleted},
      {"no game in progress", true, false, false, Case::Deleted},
      {"illegal melds: the last good file stays", true, true, true, Case::Kept},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Put(AutoSave(), "from an earlier exit");
    settings.WriteBool("Settings\\AutoSave", c.autoSave);
    TRun run = Run();
    LayGame(run.Session->MutableGame());
    if (c.illegalMelds) TTableBuilder(run.Session->MutableGame()).Build("melds: 7H 7S; hand: 4D").PlayerHasDrawn();
    run.Table().GameInProgress = c.inProgress;
    display.Boxes.clear();
    run.Files->AutoSaveAtExit();
    EXPECT_TRUE(display.Boxes.empty());
    switch (c.file) {
      case Case::Written: {
        const TLoadOutcome loaded = ReadSavedGameFile(AutoSave(), TTableState{});
        ASSERT_TRUE(loaded.Loaded);
        EXPECT_EQ(WriteSavedGame(loaded.Game.Table, 0, [] { return 0; }), FileOf(run.Session->Game()));
        break;
      }
      case Case::Deleted:
        EXPECT_FALSE(QFileInfo::exists(AutoSave()));
        break;
      case Case::Kept:
        EXPECT_EQ(Bytes(AutoSave()), "from an earlier exit");
        break;
    }
  }
}

TEST_F(LifeCycle, TheGameAtStartUp) {
  // Saved games of three cards in hand, where a deal gives fifteen.
  std::string saved;
  {
    TRun run = Run();
    LayGame(run.Session->MutableGame());
    saved = FileOf(run.Session->Game());
    ASSERT_EQ(run.Files->Save(true), AutoSave());
    run.Table().PlayerScore = 99;
    ASSERT_FALSE(run.Files->Save(true, data.filePath("other.tvl")).isEmpty());
  }
  struct Case {
    const char* name;
    bool autoSave;
    TStartGame start;
    bool loaded;
    int playerScore;
  };
  const Case cases[] = {
      {"the auto-save", true, {}, true, 1230},
      {"auto-save off", false, {}, false, 0},
      {"a file named at start", true, {false, data.filePath("other.tvl")}, true, 99},
      {"the named file with auto-save off", false, {false, data.filePath("other.tvl")}, true, 99},
      {"arguments that name no saved game", true, {false, ""}, false, 0},
      {"a file that is not there", true, {false, data.filePath("gone.tvl")}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    settings.WriteBool("Settings\\AutoSave", c.autoSave);
    display.Sounds.clear();
    TRun run = Run();
    run.Files->StartFirstGame(c.start);
    EXPECT_EQ(run.Table().PlayerHand.Count, c.loaded ? 3 : 15);
    EXPECT_EQ(run.Table().PlayerScore, c.playerScore);
    EXPECT_EQ(std::count(display.Sounds.begin(), display.Sounds.end(), "Start"), 1);  // before the load, or by the deal
    if (c.playerScore == 1230) {
      EXPECT_EQ(FileOf(run.Session->Game()), saved);
    }
  }
  EXPECT_TRUE(display.Boxes.empty());
}

TEST_F(LifeCycle, FilesThatFailAtStartUpAreReportedAndAHandIsDealt) {
  struct Case {
    const char* name;
    QByteArray bytes;
    const char* box;     // shown through the display
    const char* failed;  // signalled, for the window's error box
  };
  const Case cases[] = {
      {"a broken auto-save", "TarveloSavedGame 415 0 12 ", "",
       "An error occurred while loading the file; the game cannot be opened."},
      {"another file", "Dear Anna", "this file is not a Tarvelo saved game", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Put(AutoSave(), c.bytes);
    display.Boxes.clear();
    TRun run = Run();
    QSignalSpy failed(run.Files.get(), &TGameLifeCycle::failed);
    run.Files->StartFirstGame({});
    EXPECT_EQ(run.Table().PlayerHand.Count, 15);
    if (*c.box) {
      ASSERT_EQ(display.Boxes.size(), 1u);
      EXPECT_NE(display.Boxes[0].find(c.box), std::string::npos) << display.Boxes[0];
    } else {
      EXPECT_TRUE(display.Boxes.empty());
    }
    ASSERT_EQ(failed.size(), *c.failed ? 1 : 0);
    if (*c.failed) {
      EXPECT_EQ(failed[0][0].toString(), c.failed);
    }
  }
}

TEST_F(LifeCycle, AParkedNetworkGameIsSavedUnderBothNames) {
  TRun run = Run();
  LayGame(run.Session->MutableGame());
  const QString path = run.Files->ParkNetworkGame("Anna", "B:o*b");
  EXPECT_EQ(path, data.filePath("Anna_Bob.tvl"));
  QString message;
  EXPECT_TRUE(CheckSavedGame(path, &message));
  const TLoadOutcome loaded = ReadSavedGameFile(path, TTableState{});
  ASSERT_TRUE(loaded.Loaded);
  EXPECT_EQ(loaded.Game.Table.PlayerScore, 1230);
}

// The connection is lost while the player's melds are half laid: the game is
// parked as the turn stood before them, not lost.
TEST_F(LifeCycle, AParkedGameWithMeldsHalfLaidKeepsTheTurnsStart) {
  TRun run = Run();
  TGame& game = run.Session->MutableGame();
  LayGame(game);
  const TTableState turnStart = game.Table;
  game.MeldNaturals(2, 1);  // one card alone: no meld yet
  ASSERT_FALSE(run.Session->MeldsValid());
  const QString path = run.Files->ParkNetworkGame("Anna", "Bob");
  ASSERT_EQ(path, data.filePath("Anna_Bob.tvl"));
  const TLoadOutcome loaded = ReadSavedGameFile(path, TTableState{});
  ASSERT_TRUE(loaded.Loaded) << loaded.Message.toStdString();
  EXPECT_EQ(loaded.Game.Table.PlayerHand.Count, turnStart.PlayerHand.Count);
  EXPECT_EQ(loaded.Game.Table.PlayerMelds.Count, turnStart.PlayerMelds.Count);
  EXPECT_EQ(loaded.Game.Table.PlayerScore, 1230);
  EXPECT_EQ(game.Table.PlayerMelds.Count, turnStart.PlayerMelds.Count + 1) << "the table itself stays as it is";
}

TEST_F(LifeCycle, TheFirstSaveMakesTheDataFolderAndAFinishedGameRemovesTheAutoSave) {
  const QString folder = data.filePath("first run/Tarvelo");
  TRun run = Run(folder);
  LayGame(run.Session->MutableGame());
  ASSERT_EQ(run.Files->Save(true), QDir(folder).filePath(AutoSaveFileName));
  ASSERT_TRUE(QFileInfo::exists(run.Files->AutoSavePath()));
  // The engine deletes the auto-save through the session once a game is over.
  run.Session->DeleteAutoSave();
  EXPECT_FALSE(QFileInfo::exists(run.Files->AutoSavePath()));
}

}  // namespace
