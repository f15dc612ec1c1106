#include "engine/memory_settings.h"
#include "engine/testing/table_builder.h"
#include "session/testing/saved_game_files.h"
#include "store/saved_game_file.h"
#include "ui/dialogs/gameover_dialog.h"
#include "ui/status_bar.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"
#include "ui/tvlmain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// Answers the modal windows as they open: message boxes are noted and closed
// (a question with Yes), file dialogs are noted and get the next file name of
// Files (an empty one cancels, AsProposed takes the dialog's own), the game-over
// box gets AnotherGame and the other dialogs are closed with OK.
class TModalAnswers {
 public:
  static inline const QString AsProposed = "<as proposed>";
  struct TBox {
    QMessageBox::Icon Icon;
    QString Text;
  };
  struct TDialog {
    QString Title, Suffix, Directory;
    QStringList Filters, Selected;
    QFileDialog::AcceptMode Mode;
    QFileDialog::FileMode FileMode;
  };
  std::vector<TBox> Boxes;
  std::vector<TDialog> Dialogs;
  QStringList Files;
  bool AnotherGame = true;
  int GameOvers = 0;

  TModalAnswers() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      Boxes.push_back({box->icon(), box->text()});
      QAbstractButton* button = box->button(QMessageBox::Yes);
      (button ? button : box->buttons().first())->click();
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      Dialogs.push_back({dialog->windowTitle(), dialog->defaultSuffix(), dialog->directory().absolutePath(),
                         dialog->nameFilters(), dialog->selectedFiles(), dialog->acceptMode(), dialog->fileMode()});
      const QString file = Files.isEmpty() ? QString() : Files.takeFirst();
      if (file.isEmpty()) return dialog->reject();
      if (file != AsProposed) dialog->selectFile(file);
      QMetaObject::invokeMethod(dialog, "accept");  // as the dialog's own button does
    } else if (auto* gameOver = qobject_cast<TfmGameover*>(modal)) {
      ++GameOvers;
      AnotherGame ? gameOver->accept() : gameOver->reject();
    } else if (auto* other = qobject_cast<QDialog*>(modal)) {
      other->accept();
    }
  }
  QTimer timer_;
};

struct SavedGames : ::testing::Test {
  SavedGames() { settings.WriteString("Settings\\Resolution", "0,0,640x480"); }
  QApplication& app = TestApp();  // before the timer of the answers
  TMemorySettings settings;
  QTemporaryDir data;
  std::vector<std::string> sounds;
  std::string player;
  TModalAnswers answers;
  TTableWindows tables;

  // folder: where the saved games go, the temporary folder unless given.
  std::unique_ptr<TfmTvlMain> Start(const TStartGame& start = {}, const QString& folder = {}) {
    TWindowHooks hooks;
    hooks.Sound = [this](std::string_view event) { sounds.emplace_back(event); };
    TSessionHooks records;
    records.PlayerName = [this] { return player; };
    auto window =
        tables.Open(settings, TTableSavedGames{folder.isEmpty() ? data.path() : folder, start}, hooks, records);
    window->show();
    window->EndStartUp();
    return window;
  }
  // The game on the window's table, for laying out a table and reading it back.
  static TGame& GameOf(TfmTvlMain& window) { return window.Session().MutableGame(); }
  QString AutoSave() const { return data.filePath("autosave.tvl"); }
  static std::string FileOf(const TGame& game) { return SavedFileOf(game); }
  static void LayGame(TGame& game) { LayGameInProgress(game); }
  static QByteArray Bytes(const QString& path) { return FileBytes(path); }
  static void Put(const QString& path, const QByteArray& bytes) { PutFile(path, bytes); }
};

TEST_F(SavedGames, TheMenuItems) {
  auto window = Start();
  for (const auto& [name, caption, key] :
       {std::tuple{"Load1", "&Load...", Qt::Key_F3}, {"Save1", "&Save...", Qt::Key_F4}}) {
    QAction* item = window->Action(name);
    EXPECT_EQ(item->text(), caption);
    EXPECT_EQ(item->shortcut(), QKeySequence(key));
    EXPECT_TRUE(item->isEnabled());
  }
}

TEST_F(SavedGames, TheSaveDialogProposesThePlayersFileInTheDataFolder) {
  auto window = Start();
  for (const auto& [name, file] : {std::pair{"A:B?", "AB.tvl"}, {"", "player.tvl"}}) {
    player = name;
    answers.Files = {""};
    window->Action("Save1")->trigger();
    ASSERT_FALSE(answers.Dialogs.empty());
    const TModalAnswers::TDialog& d = answers.Dialogs.back();
    EXPECT_EQ(d.Title, "Save Tarvelo Game");
    EXPECT_EQ(d.Filters, (QStringList{"Tarvelo Games (*.tvl)", "All Files (*)"}));
    EXPECT_EQ(d.Suffix, "tvl");
    EXPECT_EQ(d.Mode, QFileDialog::AcceptSave);
    EXPECT_EQ(d.Directory, QFileInfo(data.path()).absoluteFilePath());
    EXPECT_EQ(d.Selected, QStringList{data.filePath(file)});
  }
  EXPECT_TRUE(QDir(data.path()).isEmpty());  // cancelled: nothing written
}

TEST_F(SavedGames, OnAFirstRunTheDialogsOpenInTheDataFolderTheyMake) {
  const QString folder = data.filePath("first run/Tarvelo");  // not made yet
  auto window = Start({}, folder);
  LayGame(GameOf(*window));
  answers.Files = {"", TModalAnswers::AsProposed};
  window->Action("Load1")->trigger();
  window->Action("Save1")->trigger();
  ASSERT_EQ(answers.Dialogs.size(), 2u);
  for (const TModalAnswers::TDialog& d : answers.Dialogs) EXPECT_EQ(d.Directory, folder) << d.Title.toStdString();
  for (const TModalAnswers::TDialog& d : answers.Dialogs)
    EXPECT_EQ(d.Selected, QStringList{QDir(folder).filePath("player.tvl")}) << d.Title.toStdString();
  EXPECT_TRUE(answers.Boxes.empty());
  QString message;
  EXPECT_TRUE(tarvelo::CheckSavedGame(QDir(folder).filePath("player.tvl"), &message));
}

TEST_F(SavedGames, SavedAndLoadedThroughTheMenu) {
  auto window = Start();
  LayGame(GameOf(*window));
  const std::string saved = FileOf(GameOf(*window));
  answers.Files = {data.filePath("mine")};
  window->Action("Save1")->trigger();
  ASSERT_TRUE(QFileInfo::exists(data.filePath("mine.tvl")));  // the default extension
  window->Session().NewGame();
  ASSERT_NE(FileOf(GameOf(*window)), saved);
  GameOf(*window).UndoStack.push_back({});

  answers.Files = {data.filePath("mine.tvl")};
  window->Action("Load1")->trigger();
  ASSERT_EQ(answers.Dialogs.size(), 2u);
  EXPECT_EQ(answers.Dialogs[1].Title, "Load Tarvelo Game");
  EXPECT_EQ(answers.Dialogs[1].FileMode, QFileDialog::ExistingFile);
  EXPECT_EQ(answers.Dialogs[1].Filters, (QStringList{"Tarvelo Games (*.tvl)", "All Files (*)"}));
  EXPECT_TRUE(answers.Boxes.empty());
  EXPECT_EQ(FileOf(GameOf(*window)), saved);
  EXPECT_TRUE(GameOf(*window).Table.LoadedHand);
  EXPECT_TRUE(GameOf(*window).UndoStack.empty());
  EXPECT_FALSE(window->Action("UndoMeld1")->isEnabled());
  EXPECT_EQ(window->StatusBar()->Text().toStdString(), GameOf(*window).PhaseText(PhaseMeld));
}

TEST_F(SavedGames, ASaveIsRefusedDuringATakeOfThePileAndWithIllegalMelds) {
  auto window = Start();
  struct Case {
    const char* table;
    bool takeOpen;
    const char* message;
  };
  for (const Case& c : {Case{"hand: 7H", true, "A game cannot be saved while taking the discard pile"},
                        Case{"melds: 7H 7S", false, "This game cannot be saved now because your meld is incorrect"}}) {
    TTableBuilder(GameOf(*window)).Build(c.table).PlayerHasDrawn();
    GameOf(*window).Table.PileTakeOpen = c.takeOpen;
    answers.Boxes.clear();
    window->Action("Save1")->trigger();
    ASSERT_EQ(answers.Boxes.size(), 1u);
    EXPECT_EQ(answers.Boxes[0].Icon, QMessageBox::Information);
    EXPECT_EQ(answers.Boxes[0].Text, c.message);
  }
  EXPECT_TRUE(answers.Dialogs.empty());
  EXPECT_TRUE(QDir(data.path()).isEmpty());
}

TEST_F(SavedGames, AFileThatFailsLeavesTheGameOnTheTable) {
  auto window = Start();
  LayGame(GameOf(*window));
  ASSERT_EQ(window->SaveGame(true, data.filePath("good.tvl")), data.filePath("good.tvl"));
  const QByteArray good = Bytes(data.filePath("good.tvl"));
  window->Session().NewGame();
  const std::string before = FileOf(GameOf(*window));
  QByteArray version = good, id54 = good;
  version.replace(17, 3, "414");
  const int pile = id54.indexOf("\r\n", id54.indexOf("\r\n") + 2) + 2;  // line 3: the pile's one card
  id54.replace(pile, id54.indexOf("\r\n", pile) - pile, "100 1 9 38 3 204 10 1 0 4 6 ");
  struct Case {
    QString name;
    QByteArray bytes;
    QMessageBox::Icon icon;
    QString message;
  };
  const Case cases[] = {
      {"old.tvl", version, QMessageBox::Warning, "Version error. The file %1 cannot be read by Tarvelo."},
      {"cut.tvl", good.left(good.size() / 2), QMessageBox::Critical,
       "An error occurred while loading the file; the game cannot be opened."},
      {"id54.tvl", id54, QMessageBox::Critical, "Range check error: line 3: discard pile card 1 id decodes to 54"},
      {"letter.txt", "Dear Anna", QMessageBox::Information, "%2 : this file is not a Tarvelo saved game"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    const QString path = data.filePath(c.name);
    Put(path, c.bytes);
    answers.Boxes.clear();
    answers.Files = {path};
    window->Action("Load1")->trigger();
    ASSERT_EQ(answers.Boxes.size(), 1u);
    EXPECT_EQ(answers.Boxes[0].Icon, c.icon);
    EXPECT_EQ(answers.Boxes[0].Text, QString(c.message).replace("%1", path).replace("%2", path.toUpper()));
    EXPECT_EQ(FileOf(GameOf(*window)), before);
    EXPECT_FALSE(GameOf(*window).Table.LoadedHand);
  }
}

// Which games are kept at exit is the life cycle's (session tests); here, that
// closing the window keeps them without a word.
TEST_F(SavedGames, TheAutoSaveAtExit) {
  struct Case {
    const char* name;
    bool autoSave, inProgress, illegalMelds;
    enum { Written, Deleted, Kept } file;
  };
  const Case cases[] = {
      {"a game in progress", true, true, false, Case::Written},
      {"no game in progress", true, false, false, Case::Deleted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Put(AutoSave(), "from an earlier exit");
    settings.WriteBool("Settings\\AutoSave", c.autoSave);
    auto window = Start();
    LayGame(GameOf(*window));
    if (c.illegalMelds) TTableBuilder(GameOf(*window)).Build("melds: 7H 7S; hand: 4D").PlayerHasDrawn();
    GameOf(*window).Table.GameInProgress = c.inProgress;
    answers.Boxes.clear();
    window->close();
    EXPECT_TRUE(answers.Boxes.empty());
    switch (c.file) {
      case Case::Written: {
        QString message;
        ASSERT_TRUE(tarvelo::CheckSavedGame(AutoSave(), &message));
        const TLoadOutcome loaded = ReadSavedGameFile(AutoSave(), TTableState{});
        ASSERT_TRUE(loaded.Loaded);
        EXPECT_EQ(WriteSavedGame(loaded.Game.Table, 0, [] { return 0; }), FileOf(GameOf(*window)));
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

TEST_F(SavedGames, AGameEndedWithoutAnotherLeavesNoAutoSave) {
  Put(AutoSave(), "from an earlier exit");
  auto window = Start();
  // The stock is gone: the player ends the hand, and the computer's total ends the game.
  TTableBuilder(GameOf(*window)).Build("hand: 7H 4D; melds: KH KS KD 9C 9S 9D; pile: 8C").StockHolds(0).PlayerToDraw();
  GameOf(*window).Table.GameInProgress = true;
  GameOf(*window).Table.OpponentScore = 20000;
  answers.AnotherGame = false;
  window->EndHandButton()->click();
  EXPECT_EQ(answers.GameOvers, 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(QFileInfo::exists(AutoSave()));
}

TEST_F(SavedGames, AGameSavedAfterItsLastHandStartsWithADeal) {
  // Files of older versions hold such tables: scored, with no deal to come.
  struct Case {
    const char* name;
    int savedScore, playerScore;
  };
  for (const Case& c : {Case{"a finished game: a new one", 5230, 0}, Case{"a scored hand: the next", 1230, 1230}}) {
    SCOPED_TRACE(c.name);
    {
      auto window = Start();
      LayGame(GameOf(*window));
      GameOf(*window).Table.PlayerScore = c.savedScore;
      GameOf(*window).Table.Phase = PhaseHandOver;
      ASSERT_FALSE(window->SaveGame(true).isEmpty());
    }
    auto window = Start();
    const TTableState& t = GameOf(*window).Table;
    EXPECT_EQ(t.PlayerHand.Count, 15);
    EXPECT_EQ(t.PlayerScore, c.playerScore);
    EXPECT_TRUE(t.Phase == PhaseDraw || t.Phase == PhaseOpponent) << int(t.Phase);
    EXPECT_EQ(t.GameInProgress, c.playerScore != 0);
  }
  EXPECT_TRUE(answers.Boxes.empty());
}

TEST_F(SavedGames, ABrokenAutoSaveIsReportedAndAHandIsDealt) {
  Put(AutoSave(), "TarveloSavedGame 415 0 12 ");
  auto window = Start();
  ASSERT_EQ(answers.Boxes.size(), 1u);
  EXPECT_EQ(answers.Boxes[0].Text, "An error occurred while loading the file; the game cannot be opened.");
  EXPECT_EQ(GameOf(*window).Table.PlayerHand.Count, 15);
}

TEST_F(SavedGames, AGameSavedAtAnotherSizeIsLaidOutForThisWindow) {
  std::string saved640;
  std::vector<int> columns;
  {
    auto window = Start();
    LayGame(GameOf(*window));
    for (const TCard& c : GameOf(*window).Table.PlayerMelds.Live()) columns.push_back(GameOf(*window).ColumnOf(c.X));
    ASSERT_FALSE(window->SaveGame(true).isEmpty());
  }
  settings.WriteString("Settings\\Resolution", "0,0,800x600");
  auto window = Start();
  ASSERT_EQ(window->SizeIndex, 1);
  const TGame& game = GameOf(*window);
  EXPECT_EQ(game.Layout.SizeIndex, 1);
  ASSERT_EQ(game.Table.PlayerMelds.Count, static_cast<int>(columns.size()));
  for (int i = 0; i < game.Table.PlayerMelds.Count; ++i) {
    const TCard& c = game.Table.PlayerMelds.Cards[i];
    EXPECT_EQ(c.X, game.Layout.ColumnX(columns[i]));
    EXPECT_GT(c.Y, game.Layout.PlayerMeldY);
  }
}

}  // namespace
