#include "ui/dialogs/rule_differences.h"

#include "ui/testing/qt_test_app.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace tarvelo;
using protocol::TRuleDifference;

namespace {
const std::vector<TRuleDifference> ThreeRows = {
    {"Add top card to Canasta", "Yes", "No"},
    {"Number of Canastas required to go out", "One", "Two"},
    {"Wildcard Canasta allowed", "Yes", "No"},
};

struct RuleDifferencesWindow : ::testing::Test {
  RuleDifferencesWindow() {
    mainWindow.setGeometry(100, 80, 800, 600);
    mainWindow.show();
  }
  QApplication& app = TestApp();  // before any widget
  QWidget mainWindow;
  TfmRuleDifferences window{&mainWindow};

  std::vector<TRuleDifference> Shown() const {
    std::vector<TRuleDifference> rows;
    for (int i = 0; i < window.List()->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = window.List()->topLevelItem(i);
      rows.push_back({item->text(0).toStdString(), item->text(1).toStdString(), item->text(2).toStdString()});
    }
    return rows;
  }
};

// The window's picture, for a person to look over, under the build folder's artifacts.
void SavePicture(QWidget& window, const QString& name) {
  const QString folder = QCoreApplication::applicationDirPath() + "/../artifacts/dialogs";
  QDir().mkpath(folder);
  const QString path = QDir(folder).absoluteFilePath(name);
  ASSERT_TRUE(window.grab().save(path)) << path.toStdString();
}
}  // namespace

TEST_F(RuleDifferencesWindow, StaysOnTopWithoutTitleButtonsAndWithItsTexts) {
  EXPECT_EQ(window.windowTitle(), "Rule Differences");
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());  // fixed size
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  EXPECT_EQ(texts,
            (QStringList{"The following differences in rules exists between you and your opponent. Please "
                         "resolve these before starting to play.",
                         "If you agree to use your opponent's rules, press Use Opponent's Rules.",
                         "If your opponent agrees to use your rules, (s)he should press Use Opponent's Rules."}));
  EXPECT_EQ(window.UseOpponentButton()->text(), "Use Opponent's Rules");
  EXPECT_EQ(window.HideButton()->text(), "Hide");
  EXPECT_TRUE(window.HideButton()->isDefault());
}

TEST_F(RuleDifferencesWindow, ListHasItsColumnsAndNoSortingByHeader) {
  const QTreeWidget* list = window.List();
  const QTreeWidgetItem* header = list->headerItem();
  const char* captions[] = {"Rule", "Your Setting", "Opponent's Setting"};
  const int widths[] = {200, 70, 105};
  ASSERT_EQ(list->columnCount(), 3);
  for (int column = 0; column < 3; ++column) {
    EXPECT_EQ(header->text(column), captions[column]);
    EXPECT_GE(list->columnWidth(column), widths[column]) << column;
  }
  EXPECT_FALSE(list->rootIsDecorated());
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_FALSE(list->header()->sectionsClickable());
}

TEST_F(RuleDifferencesWindow, RowsShowInTheirOrderCentredOnTheMainWindow) {
  EXPECT_FALSE(window.isVisible());
  // Not sorted here: the list shows the rows as given.
  const std::vector<TRuleDifference> unsorted = {ThreeRows[2], ThreeRows[0], ThreeRows[1]};
  window.ShowDifferences(unsorted);
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isModal());
  EXPECT_EQ(Shown(), unsorted);
  const QPoint offCentre = window.geometry().center() - mainWindow.geometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << "," << offCentre.y();

  // A new comparison replaces the rows; one without differences hides the window.
  window.ShowDifferences({ThreeRows[1]});
  EXPECT_EQ(Shown(), std::vector<TRuleDifference>{ThreeRows[1]});
  window.ShowDifferences({});
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.List()->topLevelItemCount(), 0);
}

TEST_F(RuleDifferencesWindow, ButtonsHideTheWindowAndOnlyOneTakesTheOpponentsRules) {
  int taken = 0;
  QObject::connect(&window, &TfmRuleDifferences::useOpponentRules, [&] { ++taken; });
  struct Case {
    QPushButton* button;
    int emitted;
  };
  const Case cases[] = {{window.HideButton(), 0}, {window.UseOpponentButton(), 1}};
  for (const Case& c : cases) {
    taken = 0;
    window.ShowDifferences(ThreeRows);
    c.button->click();
    EXPECT_EQ(taken, c.emitted) << c.button->text().toStdString();
    EXPECT_FALSE(window.isVisible()) << c.button->text().toStdString();
  }
}

// Every text reads whole at the window's fixed size, with one row, with a few,
// and with every rule differing (more rows than the list shows at once).
TEST_F(RuleDifferencesWindow, NothingIsCutOff) {
  TRuleSettings opposite;
  for (const TRuleSwitch& s : RuleSwitches) SetRuleValue(opposite, s, s.Flag ? 1 - RuleDefault(s) : 3 - RuleDefault(s));
  const std::vector<TRuleDifference> everyRule = protocol::CompareRules(TRuleSettings{}, opposite);
  ASSERT_EQ(everyRule.size(), 13u);
  for (const std::vector<TRuleDifference>& rows : {std::vector<TRuleDifference>{ThreeRows[1]}, ThreeRows, everyRule}) {
    window.ShowDifferences(rows);
    // The list lays out its rows, then its scroll bar, each on a later pass of the events.
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
    EXPECT_EQ(window.List()->verticalScrollBar()->isVisible(), rows.size() > 6) << rows.size();
    SavePicture(window, QString("rule_differences_%1.png").arg(rows.size()));
    for (const QLabel* label : window.findChildren<QLabel*>())
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->text().toStdString();
    for (QPushButton* button : {window.UseOpponentButton(), window.HideButton()})
      EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    const QTreeWidget* list = window.List();
    for (int column = 0; column < 3; ++column) {
      const int needed = list->header()->sectionSizeHint(column);
      EXPECT_GE(list->columnWidth(column), needed) << list->headerItem()->text(column).toStdString();
    }
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      for (int column = 0; column < 3; ++column)
        EXPECT_LE(list->fontMetrics().horizontalAdvance(item->text(column)) + 8, list->columnWidth(column))
            << item->text(column).toStdString();
    }
  }
}
