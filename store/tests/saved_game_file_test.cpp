#include "store/saved_game_file.h"

#include "engine/testing/table_builder.h"
#include "store/tests/saved_game_fixture.h"
#include "store/tests/store_fixture.h"

#include <QDir>

#include <cerrno>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(PlayerFileName, DropsWhatAFileNameCannotHold) {
  const std::pair<QString, QString> cases[] = {
      {"A:B?", "AB.tvl"},
      {"Anna", "Anna.tvl"},
      {"a\"*:<>?\\/b", "ab.tvl"},
      {"../x", "..x.tvl"},
      {"/", "player.tvl"},
      {"", "player.tvl"},
      {".", "player.tvl"},
      {"..", "player.tvl"},
      {"./.", "player.tvl"},
      {QString("tab\there\nand\x7f"), "tabhereand.tvl"},
      {"Jörg_Zoë", "Jörg_Zoë.tvl"},
      {QString(300, 'a'), QString(250, 'a') + ".tvl"},
      {QString(200, QChar(0xE9)), QString(125, QChar(0xE9)) + ".tvl"},  // two bytes each
  };
  for (const auto& [name, file] : cases) EXPECT_EQ(PlayerFileName(name), file) << name.toStdString();
  EXPECT_LE(PlayerFileName(QString(300, QChar(0x4E2D))).toUtf8().size(), 254);
}

struct SavedGameFile : TStoreTest, TKnownGame {
  QString Write(const QString& name, const std::string& text) {
    const QString path = PathOf(name);
    WriteFile(path, QByteArray::fromStdString(text));
    return path;
  }
};

TEST_F(SavedGameFile, CheckSavedGame) {
  QString message;
  EXPECT_FALSE(CheckSavedGame(PathOf("none.tvl"), &message));
  EXPECT_TRUE(message.isEmpty());
  EXPECT_FALSE(CheckSavedGame(Dir.path(), &message));
  EXPECT_TRUE(message.isEmpty());
  EXPECT_TRUE(CheckSavedGame(Write("good.tvl", good), &message));
  EXPECT_TRUE(CheckSavedGame(Write("header.tvl", "TarveloSavedGame"), &message));
  EXPECT_TRUE(message.isEmpty());
  for (const char* text : {"", "TarveloSaved", "tarvelosavedgame 415", "Hello, world"}) {
    const QString path = Write("other.txt", text);
    EXPECT_FALSE(CheckSavedGame(path, &message)) << text;
    EXPECT_EQ(message, path.toUpper() + " : this file is not a Tarvelo saved game");
  }
}

TEST_F(SavedGameFile, EachFailureHasItsMessage) {
  std::string version = good;
  version.replace(17, 3, "414");
  std::string id54 = good;
  id54.replace(id54.find("101 1 9 38 3 204 10 1 0 32 6"), 28, "101 1 9 38 3 204 10 1 0 5 6");
  struct Case {
    QString path;
    TMessageKind kind;
    QString message;
  };
  const QString version414 = Write("old.tvl", version);
  const QString notSaved = Write("not.tvl", "Hello");
  const Case cases[] = {
      {PathOf("none.tvl"), TMessageKind::Error, "An error occurred while loading the file; the game cannot be opened."},
      {Dir.path(), TMessageKind::Error, "An error occurred while loading the file; the game cannot be opened."},
      {Write("cut.tvl", good.substr(0, 400)), TMessageKind::Error,
       "An error occurred while loading the file; the game cannot be opened."},
      {Write("huge.tvl", good + std::string(5 << 20, ' ')), TMessageKind::Error,
       "An error occurred while loading the file; the game cannot be opened."},
      {version414, TMessageKind::Warning, "Version error. The file " + version414 + " cannot be read by Tarvelo."},
      {notSaved, TMessageKind::Information, notSaved.toUpper() + " : this file is not a Tarvelo saved game"},
      {Write("id54.tvl", id54), TMessageKind::Error, "Range check error: line 3: discard pile card 1 id decodes to 54"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const TLoadOutcome outcome = ReadSavedGameFile(c.path, game.Table);
    EXPECT_FALSE(outcome.Loaded);
    EXPECT_EQ(outcome.Kind, c.kind);
    EXPECT_EQ(outcome.Message, c.message);
  }
  const TLoadOutcome outcome = ReadSavedGameFile(Write("good.tvl", good), TTableState{});
  ASSERT_TRUE(outcome.Loaded) << outcome.Message.toStdString();
  EXPECT_EQ(FileFieldDifference(outcome.Game.Table, game.Table), "");
}

TEST_F(SavedGameFile, WrittenAndReadBack) {
  const QString path = PathOf("saved.tvl");
  ASSERT_EQ(WriteSavedGameFile(path, game.Table, 0, FixedSeed(101)), "");
  EXPECT_EQ(FileBytes(path).toStdString(), good);
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"saved.tvl"});  // nothing left beside it
  const QString missing = PathOf("no folder/saved.tvl");
  EXPECT_EQ(WriteSavedGameFile(missing, game.Table, 0, FixedSeed(101)), missing + ": No such file or directory");
}

TEST_F(SavedGameFile, ATableThatWouldNotLoadIsNotWritten) {
  const QString path = Write("autosave.tvl", "earlier");
  game.Table.Phase = 12;
  const QString message = WriteSavedGameFile(path, game.Table, 0, FixedSeed(101));
  EXPECT_TRUE(message.startsWith("This game cannot be saved. Range check error: line 13: Phase is 12"))
      << message.toStdString();
  EXPECT_EQ(FileBytes(path), "earlier");
}

// Steps of the system that stop after a number of them: either the step fails
// (a full disk) or the program is killed there, leaving everything as it is.
class TStoppingSteps : public TFileSteps {
 public:
  struct TKilled {};
  TStoppingSteps(int stepsLeft, bool kill) : left_(stepsLeft), kill_(kill) {}
  int Steps = 0;

  int Create(const std::string& path, int& fd) override { return Step() ? Real().Create(path, fd) : Stop(); }
  int Write(int fd, std::string_view bytes) override {
    if (!Step()) {
      Real().Write(fd, bytes.substr(0, bytes.size() / 2));  // half of it reached the disk
      return Stop();
    }
    return Real().Write(fd, bytes);
  }
  int Sync(int fd) override { return Step() ? Real().Sync(fd) : Stop(); }
  int Close(int fd) override { return Step() ? Real().Close(fd) : Stop(); }
  int Rename(const std::string& from, const std::string& to) override {
    return Step() ? Real().Rename(from, to) : Stop();
  }
  int SyncFolder(const std::string& folder) override { return Step() ? Real().SyncFolder(folder) : Stop(); }
  void Remove(const std::string& path) override { Real().Remove(path); }

 private:
  static TFileSteps& Real() { return SystemFileSteps(); }
  bool Step() {
    ++Steps;
    return left_-- > 0;
  }
  int Stop() {
    if (kill_) throw TKilled{};
    return ENOSPC;
  }
  int left_;
  bool kill_;
};

// Whatever step a save stops at, the file holds the old game or the new one, whole.
TEST_F(SavedGameFile, ASaveStoppedAtAnyStepLeavesTheOldFileOrTheNewOne) {
  const QString path = PathOf("autosave.tvl");
  ASSERT_EQ(WriteSavedGameFile(path, game.Table, 0, FixedSeed(101)), "");
  const QByteArray before = FileBytes(path);
  game.DealHand(false);
  TStoppingSteps counting(1000, false);
  ASSERT_EQ(WriteSavedGameFile(PathOf("count.tvl"), game.Table, 0, FixedSeed(5), counting), "");
  const QByteArray after = FileBytes(PathOf("count.tvl"));
  ASSERT_EQ(counting.Steps, 1 + SavedGameLines + 4);  // create, one write per line, sync, close, rename, folder
  for (const bool kill : {false, true})
    for (int n = 0; n < counting.Steps; ++n) {
      SCOPED_TRACE((kill ? "killed after " : "failed after ") + std::to_string(n) + " steps");
      TStoppingSteps steps(n, kill);
      QString message;
      try {
        message = WriteSavedGameFile(path, game.Table, 0, FixedSeed(5), steps);
      } catch (const TStoppingSteps::TKilled&) {
        message = "killed";
      }
      const QByteArray now = FileBytes(path);
      EXPECT_TRUE(now == before || now == after);
      // The rename is the moment of the change; a failed save says so and leaves nothing beside the file.
      EXPECT_EQ(now == after, n >= counting.Steps - 1);
      if (!kill && n < counting.Steps - 1) {
        EXPECT_EQ(message, path + ": No space left on device");
        EXPECT_EQ(QDir(Dir.path()).entryList({"autosave*"}, QDir::Files), QStringList{"autosave.tvl"});
      }
      WriteFile(path, before);
    }
}

}  // namespace
