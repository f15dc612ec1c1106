#include "ui/dialogs/gameover_dialog.h"
#include "ui/dialogs/scoring_dialog.h"
#include "ui/testing/artifact_shot.h"
#include "ui/testing/qt_test_app.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <functional>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
QStringList Texts(const QWidget& w) {
  QStringList texts;
  for (const QLabel* label : w.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

// The captions of the push buttons, in the order they were made.
QStringList Buttons(const QWidget& w) {
  QStringList captions;
  for (const QPushButton* button : w.findChildren<QPushButton*>()) captions << button->text();
  return captions;
}

THandResults Results() {
  THandResults r;
  r.PlayerName = "Ann";
  r.OpponentName = "Computer";
  r.Player.Rows[RowCardsOnTable] = {7, 35};
  r.Player.Rows[RowTotal] = {0, 935};
  r.Opponent.Rows[RowCardsInHand] = {3, -25};
  r.Opponent.Rows[RowTotal] = {0, -25};
  return r;
}
}  // namespace

TEST(ResultDialogs, ScoringShowsBothTotalsAndTheDifferenceAndOffersDetails) {
  TestApp();
  int detailsShown = 0;
  TfmScoring dialog(Results(), [&] { ++detailsShown; });
  EXPECT_EQ(dialog.windowTitle(), "Scoring Results");
  const QStringList texts = Texts(dialog);
  EXPECT_TRUE(texts.contains("Computer's Score:"));
  EXPECT_TRUE(texts.contains("935"));
  EXPECT_TRUE(texts.contains("-25"));
  EXPECT_TRUE(texts.contains("960"));
  dialog.findChild<QPushButton*>("bnDetails")->click();
  EXPECT_EQ(detailsShown, 1);
  EXPECT_EQ(dialog.findChild<QPushButton*>("bnDetails")->text(), "&Details >>");
}

TEST(ResultDialogs, DetailsShowEveryRowCaptionAndTheNames) {
  TestApp();
  TfmDetails dialog(Results());
  EXPECT_EQ(dialog.windowTitle(), "Detailed Scoring Results");
  const QStringList texts = Texts(dialog);
  for (const char* caption :
       {"Cards on the Table", "Cards in Hand", "Canastas", "Red Threes", "Finish Bonus", "TOTAL", "Ann", "Computer"})
    EXPECT_TRUE(texts.contains(caption)) << caption;
  EXPECT_TRUE(texts.contains("35"));
  EXPECT_TRUE(texts.contains("7"));
}

namespace {
TGameOverInfo Finished(const char* verdict, const char* opponent, int playerScore, int opponentScore) {
  TGameOverInfo info;
  info.Verdict = verdict;
  info.OpponentName = opponent;
  info.PlayerScore = playerScore;
  info.OpponentScore = opponentScore;
  info.Difference = playerScore - opponentScore;
  return info;
}
}  // namespace

TEST(ResultDialogs, GameOverAsksForAnotherGame) {
  TestApp();
  const TGameOverInfo info = Finished("Congratulations Ann! You won.", "Computer", 5100, 4800);
  TfmGameover yes(info);
  EXPECT_TRUE(Texts(yes).contains("Do you want to play another game?"));
  EXPECT_TRUE(Texts(yes).contains("Computer's score:"));
  EXPECT_TRUE(Texts(yes).contains("Congratulations Ann! You won."));
  EXPECT_EQ(Buttons(yes), QStringList({"&Yes", "&No"}));
  yes.findChild<QPushButton*>("bnYes")->click();
  EXPECT_EQ(yes.result(), QDialog::Accepted);
  EXPECT_TRUE(yes.AnotherGame());
  TfmGameover no(info);
  no.findChild<QPushButton*>("bnNo")->click();
  EXPECT_EQ(no.result(), QDialog::Rejected);
  EXPECT_FALSE(no.AnotherGame());
}

TEST(ResultDialogs, TheNetworkGameOverTellsTheResultAndAlwaysGoesOn) {
  TestApp();
  const TGameOverInfo info = Finished("Too bad, Ann, Zed beat you.", "Zed", 4210, 5020);
  // However the dialog is closed: OK, Escape, or the window's close button.
  struct Case {
    const char* name;
    std::function<void(TfmGameover&)> close;
  } cases[] = {
      {"OK", [](TfmGameover& d) { d.findChild<QPushButton*>("bnOK")->click(); }},
      {"Escape",
       [](TfmGameover& d) {
         QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QCoreApplication::sendEvent(&d, &escape);
       }},
      {"closed", [](TfmGameover& d) { d.close(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TfmGameover over(info, TGameOverForm::Network);
    over.show();
    const QStringList texts = Texts(over);
    EXPECT_TRUE(texts.contains("Press OK to continue."));
    EXPECT_FALSE(texts.contains("Do you want to play another game?"));
    EXPECT_TRUE(texts.contains("Zed's score:"));
    EXPECT_TRUE(texts.contains("Too bad, Ann, Zed beat you."));
    EXPECT_TRUE(texts.contains("-810"));
    EXPECT_EQ(Buttons(over), QStringList({"&OK", "Send &Result"}));
    EXPECT_TRUE(over.findChild<QPushButton*>("bnOK")->isDefault());
    EXPECT_FALSE(over.findChild<QPushButton*>("bnSendResult")->isEnabled());
    c.close(over);
    EXPECT_FALSE(over.isVisible());
    EXPECT_TRUE(over.AnotherGame());
  }
  TfmGameover shown(info, TGameOverForm::Network);
  SaveArtifactShot(shown, "dialogs", "gameover-network");
}

TEST(ResultDialogs, NamesShowAsTyped) {
  TestApp();
  TGameOverInfo info;
  info.Verdict = "Congratulations <b>%1</b> & Co! You won.";
  info.OpponentName = "<i>Zed</i>";
  TfmGameover over(info);
  THandResults results;
  results.PlayerName = "<b>%1</b> & Co";
  results.OpponentName = "<i>Zed</i>";
  TfmScoring scoring(results, [] {});
  TfmDetails details(results);
  QStringList marked;  // texts with a name that Qt would read as markup
  for (QDialog* dialog : std::initializer_list<QDialog*>{&over, &scoring, &details})
    for (const QLabel* label : dialog->findChildren<QLabel*>())
      if (label->text().contains('<') && label->textFormat() != Qt::PlainText) marked << label->text();
  EXPECT_TRUE(marked.isEmpty()) << marked.join(" | ").toStdString();
}
