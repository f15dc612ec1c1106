#include "ui/tvlmain.h"

#include "engine/memory_settings.h"
#include "engine/testing/table_builder.h"
#include "ui/dialogs/rules_dialog.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct MainWindow : ::testing::Test {
  MainWindow() { TestApp(); }
  TMemorySettings settings;
  std::vector<std::string> sounds;
  TTableWindows tables;

  std::unique_ptr<TfmTvlMain> Start() {
    TWindowHooks hooks;
    hooks.Sound = [this](std::string_view event) { sounds.emplace_back(event); };
    auto window = tables.Open(settings, {}, hooks);
    window->show();
    window->EndStartUp();
    return window;
  }
};
}  // namespace

TEST_F(MainWindow, StartsWithTheCaptionTheDealAndTheMenus) {
  settings.WriteString("Settings\\Resolution", "0,0,640x480");
  auto window = Start();
  EXPECT_EQ(window->windowTitle(), "Tarvelo 5.0");
  EXPECT_EQ(window->size(), QSize(640, 480));
  EXPECT_EQ(window->Game().Table.PlayerHand.Count, 15);
  EXPECT_EQ(window->Game().Layout.PlayerHandY, 323);
  const std::string phase = window->Game().PhaseText(window->Game().Table.Phase);
  EXPECT_EQ(window->StatusBar()->Text().toStdString(), phase);
  EXPECT_EQ(window->EndHandButton()->pos(), QPoint(640 - 75 - 10, 2));
  EXPECT_FALSE(window->EndHandButton()->isVisible());

  struct Item {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    bool enabled;
  };
  const Item items[] = {
      {"New1", "&New", QKeySequence(Qt::Key_F2), true},
      {"UndoMeld1", "&Undo Meld", QKeySequence(Qt::Key_Delete), false},
      {"UndoAll1", "Undo &All", QKeySequence(Qt::CTRL | Qt::Key_Delete), false},
      {"Rules1", "&Rules...", QKeySequence(), true},
      {"HelpTopics1", "&Help Topics", QKeySequence(Qt::Key_F1), true},
      {"Disconnect1", "&Disconnect", QKeySequence(), false},
      {"RuleDifferences1", "&Rule Differences...", QKeySequence(), false},
  };
  for (const Item& item : items) {
    QAction* action = window->Action(item.name);
    ASSERT_NE(action, nullptr) << item.name;
    EXPECT_EQ(action->text(), item.caption);
    EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
    EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
  }
  EXPECT_EQ(window->Action("UndoAll1")->statusTip(),
            "Undo all melds since your last discard or taking of the discard pile, if any");
  EXPECT_FALSE(window->Action("Ladder1")->isVisible());
  EXPECT_TRUE(window->Action("ChatOnTop1")->isChecked());
}

TEST_F(MainWindow, GarbageResolutionOpensTheSmallestSize) {
  settings.WriteString("Settings\\Resolution", "not,a,size");
  auto window = Start();
  EXPECT_EQ(window->SizeIndex, 0);
  EXPECT_EQ(window->size(), QSize(640, 480));
}

TEST_F(MainWindow, ResolutionIsWrittenAtClose) {
  settings.WriteString("Settings\\Resolution", "0,0,640x480");
  auto window = Start();
  window->close();
  EXPECT_NE(settings.ReadString("Settings\\Resolution", "").find(",640x480"), std::string::npos);
  EXPECT_EQ(sounds.back(), "Exit");
}

TEST_F(MainWindow, HelpSoundsRotate) {
  auto window = Start();
  sounds.clear();
  for (int i = 0; i < 4; ++i) window->Action("HelpTopics1")->trigger();
  EXPECT_EQ(sounds, (std::vector<std::string>{"Help (1st)", "Help (2nd)", "Help (3rd)", "Help (1st)"}));
}

TEST_F(MainWindow, CommandMessageOpensTheRulesOnTheAskedPage) {
  auto window = Start();
  int page = -1;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TfmRules*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    page = dialog->findChild<QTabWidget*>()->currentIndex();
    dialog->reject();
  });
  TCommandEvent command(3);
  QApplication::sendEvent(window.get(), &command);
  EXPECT_EQ(page, TfmRules::PageCanastas);
}

TEST_F(MainWindow, ErrorIsRedUntilTheLightGoesOut) {
  auto window = Start();
  window->ShowStatusText("You have already drawn", true);
  EXPECT_TRUE(window->StatusBar()->ShowsError());
  EXPECT_TRUE(window->StatusBar()->tmLED.isActive());
  EXPECT_EQ(window->StatusBar()->tmLED.interval(), 600);
}

// Esc goes back to the meld phase however the menus were used before: a menu
// opened and closed from the keyboard must not keep the table's keys.
TEST_F(MainWindow, EscapeReturnsToTheMeldPhaseAfterTheMenusWereUsedByKeyboard) {
  auto window = Start();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);  // to whatever has the keys
  };
  TGame& game = window->Session().MutableGame();
  TTableBuilder(game).Build("hand: KH 5D 9C; stock: 7S").PlayerToDraw();
  press(Qt::Key_F6);  // draw from the stock
  const QString meldPhase = QString::fromStdString(game.PhaseText(PhaseMeld));
  ASSERT_EQ(window->StatusBar()->Text(), meldPhase);
  const QString discardPhase = QString::fromStdString(game.PhaseText(PhaseKeyDiscard));
  // Twice with a click on the table after the menu, then once with the menu bar still highlighted.
  for (int round = 0; round < 3; ++round) {
    press(Qt::Key_G, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << round;
    press(Qt::Key_Escape);                                                                   // closes the menu
    if (round < 2) QTest::mouseClick(window->View(), Qt::LeftButton, {}, QPoint(300, 230));  // an empty spot
    press(Qt::Key_F10);
    EXPECT_EQ(window->StatusBar()->Text().toStdString(), discardPhase.toStdString()) << round;
    press(Qt::Key_Escape);
    EXPECT_EQ(window->StatusBar()->Text().toStdString(), meldPhase.toStdString()) << round;
  }
}

// The game's box texts break their lines with CR and LF in either order, or a
// lone CR; each is one line break in the box, never an empty line.
TEST_F(MainWindow, BoxTextsBreakEachLineOnce) {
  auto window = Start();
  struct Case {
    const char* given;
    const char* shown;
  };
  const Case cases[] = {
      {"You cannot end this hand now, because you must \n\rmeld the top card of the pile. (You are 'forced').",
       "You cannot end this hand now, because you must \nmeld the top card of the pile. (You are 'forced')."},
      {"You only have one card left, and not enough Canastas to go out.\r You have to pass the discard.",
       "You only have one card left, and not enough Canastas to go out.\n You have to pass the discard."},
      {"one\r\ntwo\n\nfour", "one\ntwo\n\nfour"},
  };
  for (const Case& c : cases) {
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown = box->text();
      box->accept();
    });
    window->Information(c.given);
    EXPECT_EQ(shown.toStdString(), c.shown);
  }
}

TEST(AnimationSteps, RoundedToEven) {
  EXPECT_EQ(AnimationSteps(10), 9);
  EXPECT_EQ(AnimationSteps(7), 12);  // 12.5 rounds to 12
  EXPECT_EQ(AnimationSteps(0), 100);
  EXPECT_EQ(AnimationSteps(199), 0);  // 0.5 rounds to 0
}

// The lobby's menu item (F5) runs what is connected to it, and stays disabled while nothing is.
TEST_F(MainWindow, TheLobbyItemReachesTheLobby) {
  int opened = 0;
  auto window = tables.Open(settings, {}, {});
  window->show();
  window->EndStartUp();
  QAction* item = window->Action("Lobby1");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F5));
  EXPECT_FALSE(item->isEnabled());
  window->ConnectAction("Lobby1", [&] { ++opened; });
  EXPECT_TRUE(item->isEnabled());
  item->trigger();
  EXPECT_EQ(opened, 1);
}
