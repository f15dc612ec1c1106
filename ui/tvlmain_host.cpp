// The table window as the session's display.
#include "store/setting_keys.h"
#include "ui/box_text.h"
#include "ui/dialogs/gameover_dialog.h"
#include "ui/dialogs/scoring_dialog.h"
#include "ui/pause.h"
#include "ui/small_windows.h"
#include "ui/status_bar.h"
#include "ui/table_view.h"
#include "ui/tvlmain.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>

namespace tarvelo {

void TfmTvlMain::ShowStatusText(const std::string& text, bool isError) {
  // A network text that stays keeps the phases off the bar: while waiting for
  // the peer the waiting text comes back, and "Not connected" waits for the
  // mouse. A mistake of the player still shows.
  if (!isError && netStatus_ == 1) {
    SetNetStatus(1, {});
    return;
  }
  if (!isError && netTextHeld_) return;
  netTextHeld_ = false;
  status_->ShowText(QString::fromStdString(text), isError);
  if (isError) QApplication::beep();
}

void TfmTvlMain::SetEndHandButton(bool visible, bool enabled) {
  bnEndHand_->setVisible(visible);
  bnEndHand_->setEnabled(enabled);
}

void TfmTvlMain::SetUndoEnabled(bool enabled) {
  Action("UndoMeld1")->setEnabled(enabled);
  Action("UndoAll1")->setEnabled(enabled);
}

void TfmTvlMain::SetRulesHint(const std::string& hint) {
  // The long hint follows "|"; a hint without one is shown whole.
  const QString text = QString::fromStdString(hint);
  Action("Rules1")->setStatusTip(text.contains('|') ? text.section('|', 1) : text.trimmed());
}

void TfmTvlMain::SetBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
    QApplication::restoreOverrideCursor();
  }
}

// Each box and results dialog first shows the table as it is: the moves
// before it repaint only what they touched, and the box holds the game.
void TfmTvlMain::Information(const std::string& text) {
  Repaint();
  QMessageBox::information(this, "Tarvelo", BoxText(text));
}

void TfmTvlMain::Warning(const std::string& text) {
  Repaint();
  QMessageBox::warning(this, "Tarvelo", BoxText(text));
}

bool TfmTvlMain::Question(const std::string& text) {
  Repaint();
  return QMessageBox::question(this, "Tarvelo", BoxText(text), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TfmTvlMain::ShowWhoseTurn(const std::string& text) {
  if (!ReadSetting(settings_, Setting::ShowTurns) || !isActiveWindow()) return;
  if (whoseTurn_) whoseTurn_->close();
  whoseTurn_ = new TfmWhoseTurn(QString::fromStdString(text), this);
  whoseTurn_->show();
  tmWhoseTurn.start();
}

void TfmTvlMain::ShowHandResults(const THandResults& results) {
  Repaint();
  TfmScoring dialog(
      results, [this, results] { ShowDetails(results); }, this);
  resultWindow_ = &dialog;
  dialog.exec();
}

void TfmTvlMain::ShowDetails(const THandResults& results) {
  // The opponent's cards are shown while the details are, outside a network game.
  const bool reveal = !session_.NetworkGameActive() && !Game().Table.OpponentCardsShown;
  if (reveal) session_.ToggleOpponentCards();
  Repaint();
  TfmDetails details(results, this);
  resultWindow_ = &details;
  details.exec();
  if (reveal) session_.ToggleOpponentCards();
}

bool TfmTvlMain::AskPlayAnotherGame(const TGameOverInfo& info) {
  Repaint();
  TfmGameover dialog(info, session_.NetworkGameActive() ? TGameOverForm::Network : TGameOverForm::AgainstComputer,
                     this);
  resultWindow_ = &dialog;
  dialog.exec();
  return dialog.AnotherGame();
}

void TfmTvlMain::QuitApplication() {
  quitting_ = true;
  close();
  QApplication::quit();
}

void TfmTvlMain::PlaySound(std::string_view event) {
  if (Hooks.Sound) Hooks.Sound(event);
}

void TfmTvlMain::Pause(int milliseconds) { PauseFor(milliseconds); }

int TfmTvlMain::ComputerMeldDelay() const { return ReadSetting(settings_, Setting::Delay); }

int AnimationSteps(int speed) {
  const double exact = 100.0 / (qMax(0, speed) + 1);
  return static_cast<int>(std::nearbyint(exact));  // the default rounding mode rounds halves to even
}

void TfmTvlMain::AnimateCard(const TCard& from, const TCard& to) {
  const int steps =
      ReadSetting(settings_, Setting::CardMovement) ? AnimationSteps(ReadSetting(settings_, Setting::CardSpeed)) : 0;
  view_->AnimateCard(to, QPoint(from.X, from.Y), QPoint(to.X, to.Y), GroupedSteps(steps), false);
}

void TfmTvlMain::GroupCardMoves(int cards) {
  groupCards_ = cards;
  groupFramesLeft_ = GroupMoveFrames;
}

int TfmTvlMain::GroupedSteps(int steps) {
  if (groupCards_ <= 0) return steps;
  // The frames left are shared evenly among the cards left, so every card of
  // a big pile still moves, and the last ones no slower than the first.
  steps = qMin(steps, groupFramesLeft_ / groupCards_);
  groupFramesLeft_ -= steps;
  --groupCards_;
  return steps;
}

bool TfmTvlMain::AnimationBusy() const { return view_->AnimationBusy(); }

void TfmTvlMain::RepaintRect(int x, int y, int width, int height) {
  view_->repaint(QRect(x, y, width, height));
  UpdatePanels();
}

void TfmTvlMain::Repaint() {
  view_->repaint();
  UpdatePanels();
}

int TableKeyOf(int key) {
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;  // ASCII
  switch (key) {
    case Qt::Key_Escape:
      return KeyEscape;
    case Qt::Key_F6:
      return KeyF6;
    case Qt::Key_F7:
      return KeyF7;
    case Qt::Key_F8:
      return KeyF8;
    case Qt::Key_F9:
      return KeyF9;
    case Qt::Key_F10:
      return KeyF10;
    case Qt::Key_F11:
      return KeyF11;
    default:
      return 0;
  }
}

bool TfmTvlMain::PassTableKey(const QKeyEvent* event) {
  const int key = TableKeyOf(event->key());
  if (key == 0 || !view_->PaintingAllowed() || view_->AnimationBusy()) return false;
  ShiftState shift;
  shift.Shift = event->modifiers() & Qt::ShiftModifier;
  shift.Ctrl = event->modifiers() & Qt::ControlModifier;
  shift.Alt = event->modifiers() & Qt::AltModifier;
  session_.PlayerKey(key, shift);
  view_->update();
  return true;
}

void TfmTvlMain::keyPressEvent(QKeyEvent* event) {
  if (!PassTableKey(event)) QMainWindow::keyPressEvent(event);
}

bool TfmTvlMain::eventFilter(QObject* watched, QEvent* event) {
  // A menu bar left highlighted from the keyboard keeps the keys and takes Esc
  // to let go of them; that Esc is the table's Esc as well.
  if (watched == menuBar() && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    PassTableKey(static_cast<QKeyEvent*>(event));
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tarvelo
