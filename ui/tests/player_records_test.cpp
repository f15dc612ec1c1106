// The statistics and the customise dialog reached from the window's menus.
#include "ui/player_records.h"

#include "ui/dialogs/customize_dialog.h"
#include "ui/dialogs/hiscores_dialog.h"
#include "ui/dialogs/name_input.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/records_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

struct RecordsInWindow : ::testing::Test, TRecordsWindow {
  RecordsInWindow() {
    TestApp();
    Open();
  }

  // Runs `answer` on the modal window the next action opens.
  static void OnModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
  }
};

TEST_F(RecordsInWindow, TheStatisticsItemsAreThere) {
  for (const char* item : {"Hiscores1", "WinRatio1", "MatchHistory1", "Customize1"})
    EXPECT_TRUE(window->Action(item)->isEnabled()) << item;
}

TEST_F(RecordsInWindow, TheWinRatioWithoutProfilesGivesItsMessage) {
  QString shown;
  OnModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
  window->Action("WinRatio1")->trigger();
  EXPECT_EQ(shown,
            "There are no players defined to show statistics for. To create players, select "
            "Options|Customize...|Player and press 'New...'");
}

TEST_F(RecordsInWindow, AfterOkTheWindowTakesItsSizeColourStatusBarAndDiscarding) {
  window->ApplySize(0);
  OnModal([](QWidget* modal) {
    auto* dialog = qobject_cast<TfmCustomize*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QButtonGroup*>("rgSize")->button(1)->click();
    dialog->SetTableColor(QColor(0, 0, 128));
    dialog->findChild<QCheckBox*>("ckStatusbar")->setChecked(false);
    dialog->findChild<QButtonGroup*>("rgDiscarding")->button(1)->click();
    dialog->findChild<QPushButton*>("bnOK")->click();
  });
  window->Action("Customize1")->trigger();
  EXPECT_EQ(window->SizeIndex, 1);
  EXPECT_EQ(window->View()->TableColor(), QColor(0, 0, 128));
  EXPECT_FALSE(window->StatusBar()->isVisibleTo(window.get()));
  EXPECT_EQ(window->Game().RightClicks, 1);
}

TEST_F(RecordsInWindow, AHandInTheHallOfFameAsksTheNameAndShowsItInBold) {
  settings.WriteString("Settings\\Level", "Advanced");
  records.Statistics.HighScores.Table(SetHand, 1)[0] = {900, "1/1/26", "Eve"};
  QStringList captions;
  QString bold;
  int fameLevel = -1;
  std::function<void()> answer = [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* input = qobject_cast<TNameInput*>(modal)) {
      captions << input->windowTitle();
      input->Edit()->setText("Ann & <b>Co</b>");
      input->accept();
    } else if (auto* fame = qobject_cast<TfmHighscores*>(modal)) {
      fameLevel = fame->Level();
      for (int row = 0; row < HighScoreRanks; ++row)
        if (fame->Table()->item(row, 1)->font().bold())
          bold = QString::number(row + 1) + " " + fame->Table()->item(row, 1)->text();
      fame->accept();
      return;
    }
    QTimer::singleShot(0, answer);
  };
  QTimer::singleShot(0, answer);
  window->Session().Hooks.RecordHandScore(640);
  EXPECT_EQ(captions, QStringList{"Hand Score in Highscore List"});
  EXPECT_EQ(fameLevel, 1);
  EXPECT_EQ(bold, "2 Ann & <b>Co</b>");
}

TEST_F(RecordsInWindow, TheWindowCommandOpensTheCustomiseDialogOnPlayersOrGeneral) {
  for (const auto& [parameter, page] : {std::pair{0, TfmCustomize::PagePlayers}, {1, TfmCustomize::PageGeneral}}) {
    int shown = -1;
    OnModal([&shown](QWidget* modal) {
      auto* dialog = qobject_cast<TfmCustomize*>(modal);
      ASSERT_NE(dialog, nullptr);
      shown = dialog->Pages()->currentIndex();
      dialog->reject();
    });
    TCommandEvent command(parameter);
    QApplication::sendEvent(window.get(), &command);
    EXPECT_EQ(shown, page);
  }
}

}  // namespace
