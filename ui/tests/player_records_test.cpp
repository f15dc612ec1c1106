// The statistics and the customise dialog reached from the window's menus.
#include "ui/player_records.h"

#include "store/registry_enhanced.h"
#include "store/store_settings.h"
#include "ui/dialogs/customize_dialog.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

struct RecordsInWindow : ::testing::Test {
  RecordsInWindow() {
    TestApp();
    TSessionHooks sessionHooks;
    records.AddTo(sessionHooks);
    TWindowHooks windowHooks;
    records.AddTo(windowHooks);
    window = tables.Open(settings, {}, windowHooks, sessionHooks);
    records.Attach(*window);
    window->EndStartUp();
  }

  // Runs `answer` on the modal window the next action opens.
  static void OnModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] { answer(QApplication::activeModalWidget()); });
  }

  QTemporaryDir dir;
  TRegistryEnhanced store{dir.filePath("Tarvelo.conf"), QString()};
  TStoreSettings settings{store};
  TPlayerRecords records{store, settings};
  TTableWindows tables;
  std::unique_ptr<TfmTvlMain> window;
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

}  // namespace
