#include "ui/table_view.h"

#include "engine/hit_test.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"
#include "ui/testing/qt_test_app.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
// Without card images the view draws faces white and backs dark blue, which
// lets a test read off the picture what is face up.
struct TableView : ::testing::Test {
  TableView() {
    TestApp();
    game.Layout = ComputeLayout(1);
    game.ResetAnchors();
    view.resize(800, 560);
    view.SetPaintingAllowed(true);
  }
  QImage Picture() {
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    return image;
  }
  static QColor Inside(const QImage& image, const TCard& card, const TLayout& l) {
    return image.pixelColor(card.X + l.CardWidth / 2, card.Y + l.CardHeight / 2);
  }

  QApplication& app = TestApp();  // before any widget
  TRecordingHost host;
  TGame game{host};
  TTableBuilder builder{game};
  TTableView view{game};
};
}  // namespace

TEST_F(TableView, NothingButTheTableBeforePaintingIsAllowed) {
  builder.Build("hand: KH; pile: 5D");
  view.SetPaintingAllowed(false);
  const QImage image = Picture();
  EXPECT_EQ(Inside(image, game.Table.PlayerHand.Cards[0], game.Layout), QColor(0, 128, 0));
}

TEST_F(TableView, FacesWhereFaceUpAndBacksWhereNot) {
  builder.Build("hand: KH 5C; melds: 9H 9S 9D; pile: 5D; opp: 4S 4C");
  game.Table.DiscardSpread = false;
  QImage image = Picture();
  const TLayout& l = game.Layout;
  EXPECT_EQ(Inside(image, game.Table.PlayerHand.Cards[0], l), QColor(Qt::white));
  EXPECT_EQ(Inside(image, game.Table.PlayerMelds.Cards[2], l), QColor(Qt::white));
  EXPECT_EQ(Inside(image, game.Table.DiscardPile.Top(), l), QColor(Qt::white));
  EXPECT_EQ(Inside(image, game.Table.Stock.Top(), l), QColor(Qt::darkBlue));
  const QPoint opponent(l.LeftMargin + 5, 5 + l.CardHeight / 2);
  EXPECT_EQ(image.pixelColor(opponent), QColor(Qt::darkBlue));

  game.ToggleOpponentCards();
  image = Picture();
  EXPECT_EQ(image.pixelColor(opponent), QColor(Qt::white));
  // A loaded hand keeps the opponent's cards hidden even when they are shown.
  game.Table.LoadedHand = true;
  image = Picture();
  EXPECT_EQ(image.pixelColor(opponent), QColor(Qt::darkBlue));
}

TEST_F(TableView, SpreadPileShowsEveryCardAndMovesTheFrame) {
  builder.Build("pile: 5D 6D 7D 8D");
  game.Table.DiscardSpread = true;
  const QImage image = Picture();
  EXPECT_EQ(view.SpreadExtent(), 36);
  const TLayout& l = game.Layout;
  // The bottom strip of the fanned pile lies 36 pixels below the pile's place.
  EXPECT_EQ(image.pixelColor(l.LeftMargin + l.CardWidth / 2, l.DiscardY + 36 + l.CardHeight - 3), QColor(Qt::white));
  game.Table.DiscardSpread = false;
  Picture();
  EXPECT_EQ(view.SpreadExtent(), 0);
}

TEST_F(TableView, FrozenPileCounterIsDrawnDifferently) {
  builder.Build("pile: 5D 6D 7D 8D 9D");
  game.Table.DiscardSpread = false;
  const TLayout& l = game.Layout;
  const QRect counter(0, l.MidLine + l.CardHeight + 3, l.CardWidth + 6, 16);
  game.Table.PileFrozen = false;
  const QImage open = Picture().copy(counter);
  game.Table.PileFrozen = true;
  const QImage frozen = Picture().copy(counter);
  EXPECT_NE(open, frozen);
}

TEST_F(TableView, CanastaLabelsOnBothSides) {
  builder.Build("melds: KH KS KC KD KS KC KH; oppmelds: QH QS QD QC 2H>Q 2S>Q JK>Q");
  const QImage image = Picture();
  const TLayout& l = game.Layout;
  const int x = l.ColumnX(RankKing) + 2;
  EXPECT_EQ(image.pixelColor(x, l.PlayerMeldY + l.CardHeight + 17), QColor(Qt::yellow));
  EXPECT_EQ(image.pixelColor(l.ColumnX(RankQueen) + 2, l.OpponentMeldY - 17), QColor(Qt::yellow));
  EXPECT_NE(image.pixelColor(l.ColumnX(RankAce) + 2, l.PlayerMeldY + l.CardHeight + 17), QColor(Qt::yellow));
}

TEST_F(TableView, PanelsShowMeldsScoresAndTheMinimumUntilReached) {
  builder.Build("melds: KH KS KD 3H");
  game.Table.InitialMeldMinimum = 50;
  game.Table.PlayerScore = 1234;
  game.Table.OpponentScore = -80;
  game.Table.OpponentMeldValue = 75;
  TPanelTexts texts = PanelTexts(game);
  EXPECT_EQ(texts.PlayerMeld, "30 (50)");
  EXPECT_EQ(texts.OpponentMeld, "75");
  EXPECT_EQ(texts.PlayerScore, "1234");
  EXPECT_EQ(texts.OpponentScore, "-80");
  builder.Build("melds: KH KS KD AH AS AD");
  EXPECT_EQ(PanelTexts(game).PlayerMeld, "90");
}

TEST_F(TableView, ClicksHitWhatIsPaintedThere) {
  builder.Build("hand: 4H 4S 4D 4C 9H; melds: KH KS KD 3H");
  game.Table.Phase = PhaseMeld;
  const TLayout& l = game.Layout;
  const QImage image = Picture();
  const TCardArea& hand = game.Table.PlayerHand;
  // Each card of the column of fours answers in its visible strip; the last one over its whole face.
  for (int i = 0; i < 4; ++i) {
    const TCard& c = hand.Cards[i];
    const int y = i < 3 ? c.Y + 6 : c.Y + l.CardHeight - 3;
    EXPECT_EQ(HitTest(game.Table, game.Layout, c.X + l.CardWidth / 2, y), (THit{HitHandNatural, i})) << i;
    EXPECT_NE(image.pixelColor(c.X + l.CardWidth / 2, y), QColor(0, 128, 0)) << "a card is painted there";
  }
  const TCard& last = hand.Cards[3];
  EXPECT_EQ(HitTest(game.Table, game.Layout, last.X + l.CardWidth / 2, last.Y + l.CardHeight + 3), THit{});
  EXPECT_EQ(image.pixelColor(last.X + l.CardWidth / 2, last.Y + l.CardHeight + 3), QColor(0, 128, 0));
  const TCard& king = game.Table.PlayerMelds.Cards[0];
  EXPECT_EQ(HitTest(game.Table, game.Layout, king.X + 2, king.Y + 2).Target, HitMeld);
  const TCard& three = game.Table.PlayerMelds.Cards[3];
  EXPECT_EQ(HitTest(game.Table, game.Layout, three.X + 2, three.Y + 2).Target, HitThree);
  EXPECT_EQ(HitTest(game.Table, game.Layout, l.LeftMargin + 2, l.StockY + 2).Target, HitStock);
  EXPECT_EQ(HitTest(game.Table, game.Layout, l.LeftMargin + 2, l.DiscardY + 2).Target, HitPile);
}
