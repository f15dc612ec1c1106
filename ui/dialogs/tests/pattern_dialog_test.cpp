#include "ui/dialogs/pattern_dialog.h"

#include "ui/art/back_patterns.h"
#include "ui/testing/qt_test_app.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

class PatternDialog : public ::testing::Test {
 protected:
  void SetUp() override { TestApp(); }

  // The events come from devices of the test's own, which go before the application does:
  // Qt's default devices would outlive it and crash the program's exit.
  void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonPress, at, at, widget->mapToGlobal(at), button, button, Qt::NoModifier,
                      &mouse_);
    QCoreApplication::sendEvent(widget, &event);
  }
  // Straight to the widget: the application would first send a shortcut check of its own
  // from Qt's default keyboard.
  void Key(QWidget* widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, 0, 0, 0, QString(), false, 1, &keyboard_);
    static_cast<QObject*>(widget)->event(&event);
  }

 private:
  QPointingDevice mouse_{QStringLiteral("test mouse"),
                         1001,
                         QInputDevice::DeviceType::Mouse,
                         QPointingDevice::PointerType::Generic,
                         QInputDevice::Capability::Position,
                         1,
                         3};
  QInputDevice keyboard_{QStringLiteral("test keyboard"), 1002, QInputDevice::DeviceType::Keyboard};
};

TEST_F(PatternDialog, PatternsLieInTwoRowsOfFive) {
  const struct {
    int pattern;
    QRect rect;
  } cases[] = {
      {0, QRect(5, 5, 53, 81)},  {1, QRect(63, 5, 53, 81)},   {4, QRect(237, 5, 53, 81)},
      {5, QRect(5, 91, 53, 81)}, {9, QRect(237, 91, 53, 81)},
  };
  for (const auto& c : cases) EXPECT_EQ(TPatternGrid::PatternRect(c.pattern), c.rect) << c.pattern;
}

TEST_F(PatternDialog, HitsOnlyInsideAPattern) {
  const struct {
    QPoint at;
    int pattern;
  } cases[] = {
      {{5, 5}, 0},   {{57, 85}, 0},   {{58, 40}, -1},   {{62, 40}, -1},  {{63, 40}, 1}, {{30, 86}, -1},
      {{30, 91}, 5}, {{289, 171}, 9}, {{290, 100}, -1}, {{30, 172}, -1}, {{4, 40}, -1}, {{-1, -1}, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(TPatternGrid::PatternAt(c.at), c.pattern) << c.at.x() << "," << c.at.y();
}

TEST_F(PatternDialog, LeftClickOnAPatternChoosesIt) {
  TfmPattern dialog(3);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Card Back Pattern"));
  EXPECT_EQ(dialog.pattern(), 3);
  Press(dialog.grid(), TPatternGrid::PatternRect(7).center());
  EXPECT_EQ(dialog.pattern(), 7);
  Press(dialog.grid(), QPoint(60, 40));  // between two patterns
  EXPECT_EQ(dialog.pattern(), 7);
  Press(dialog.grid(), TPatternGrid::PatternRect(2).center(), Qt::RightButton);
  EXPECT_EQ(dialog.pattern(), 7);
}

TEST_F(PatternDialog, ArrowKeysMoveTheChoiceWithinTheGrid) {
  TfmPattern dialog(0);
  const struct {
    int key, expected;
  } steps[] = {
      {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 6}, {Qt::Key_Down, 6}, {Qt::Key_Up, 1},
  };
  for (const auto& s : steps) {
    Key(dialog.grid(), s.key);
    EXPECT_EQ(dialog.pattern(), s.expected);
  }
}

TEST_F(PatternDialog, StartsOnTheDecksPatternWithinRange) {
  EXPECT_EQ(TfmPattern(9).pattern(), 9);
  EXPECT_EQ(TfmPattern(-4).pattern(), 0);
  EXPECT_EQ(TfmPattern(42).pattern(), PatternCount - 1);
}

TEST_F(PatternDialog, OkAndCancelCloseTheDialog) {
  TfmPattern dialog(2);
  EXPECT_GE(dialog.width(), 297);
  EXPECT_GE(dialog.height(), 210);
  EXPECT_EQ(dialog.grid()->pos(), QPoint(0, 0)) << "pattern places are measured from the dialog's corner";
  auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("btOK"));
  auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("btCancel"));
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_EQ(cancel->text(), QStringLiteral("Cancel"));
  ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  cancel->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tarvelo
