// A hand column that would run under the status bar closes up: its last card is
// drawn whole above the bar, and every card answers clicks where it is drawn.
#include "engine/hit_test.h"
#include "engine/memory_settings.h"
#include "engine/testing/table_builder.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"

#include <QImage>

#include <gtest/gtest.h>
#include <vector>

using namespace tarvelo;

namespace {
const QColor Table(0, 128, 0);

// The lowest row of the view painted over at x, or -1.
int LowestInk(const QImage& image, int x) {
  for (int y = image.height() - 1; y >= 0; --y)
    if (image.pixelColor(x, y) != Table) return y;
  return -1;
}

// The hand cards that answer clicks at x, from the top down, each once.
std::vector<int> CardsFromTheTopDown(TGame& game, int x, int fromY, int toY) {
  std::vector<int> hits;
  for (int y = fromY; y <= toY; ++y) {
    const THit hit = HitTest(game.Table, game.Layout, x, y);
    if (hit.Target == HitHandNatural && (hits.empty() || hits.back() != hit.Index)) hits.push_back(hit.Index);
  }
  return hits;
}
}  // namespace

TEST(TableBottom, LongHandColumnsCloseUpAboveTheStatusBar) {
  TestApp();
  struct Case {
    const char* resolution;
    const char* hand;
    bool closesUp;
  };
  const Case cases[] = {
      {"0,0,640x480", "7H 7S 7D 7C 7H 7S 7D 7C", true},   {"0,0,800x600", "7H 7S 7D 7C 7H 7S 7D 7C", true},
      {"0,0,800x600", "7H 7S 7D 7C 7H 7S 7D", true},      {"0,0,800x600", "7H 7S", false},
      {"0,0,1024x768", "7H 7S 7D 7C 7H 7S 7D 7C", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.resolution << " " << c.hand);
    TMemorySettings settings;
    settings.WriteString("Settings\\Resolution", c.resolution);
    TTableWindows tables;
    auto window = tables.Open(settings);
    window->show();
    window->EndStartUp();
    TGame& game = window->Session().MutableGame();
    TTableBuilder(game).Build(std::string("hand: ") + c.hand).PlayerHasDrawn();
    const TCardArea& hand = game.Table.PlayerHand;
    const TCard& last = hand.Cards[hand.Count - 1];
    const int x = last.X + game.Layout.CardWidth / 2;
    const QImage image = window->View()->grab().toImage();
    const int lowest = LowestInk(image, x);
    // The last card ends on the table, with its outline, above the bar.
    EXPECT_LT(lowest, image.height() - 1);
    EXPECT_EQ(lowest < last.Y + game.Layout.CardHeight - 1, c.closesUp) << lowest << " " << last.Y;
    std::vector<int> column(hand.Count);
    for (int i = 0; i < hand.Count; ++i) column[i] = i;
    EXPECT_EQ(CardsFromTheTopDown(game, x, game.Layout.PlayerHandY, lowest), column);
    EXPECT_EQ(HitTest(game.Table, game.Layout, x, lowest - 2), (THit{HitHandNatural, hand.Count - 1}));
    EXPECT_EQ(HitTest(game.Table, game.Layout, x, lowest + 2), THit{});
  }
}
