#include "engine/invariants.h"
#include "engine/testing/table_builder.h"
#include "store/saved_game_table.h"
#include "store/tests/saved_game_fixture.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <vector>

using namespace tarvelo;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

std::vector<long long> Items(const std::string& line) {
  std::istringstream in(line);
  std::vector<long long> items;
  for (long long v; in >> v;) items.push_back(v);
  return items;
}

struct SavedGameFormat : ::testing::Test {
  TPlayHost host{5};
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;
};

TEST_F(SavedGameFormat, TheKingOfHeartsUnderSeed101) {
  builder.Build("pile: KH").PlayerToDraw();
  const TCard& king = t.DiscardPile.Top();
  ASSERT_EQ(king.Id, 51);
  ASSERT_EQ(king.X, 3);
  ASSERT_EQ(king.Y, 204);
  const std::vector<std::string> lines = Lines(WriteSavedGame(t, 0, FixedSeed(101)));
  EXPECT_EQ(lines[2], "101 1 9 38 3 204 10 1 0 32 6 ");
  const TReadResult read = ReadSavedGame(WriteSavedGame(t, 0, FixedSeed(101)), TTableState{});
  ASSERT_EQ(read.Fault, TReadFault::None) << read.Detail;
  EXPECT_EQ(read.Game.Table.DiscardPile.Top(), king);
}

TEST_F(SavedGameFormat, LinesItemsAndLineEnds) {
  builder.Build("hand: 7H 7S; melds: KH KS KD; pile: 5D").PlayerToDraw();
  t.PlayerScore = -120;
  t.OpponentScore = 2450;
  t.OpponentMeldValue = 0;
  t.InitialMeldMinimum = 90;
  t.PileFrozen = true;
  t.GameInProgress = true;
  t.CardOverlap = 12;
  const std::string text = WriteSavedGame(t, 1, FixedSeed(7));
  EXPECT_EQ(text.rfind("TarveloSavedGame 415 1 7 102 ", 0), 0u);
  // CR LF after each of the first twelve lines, nothing after the last; no LF alone.
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 13u);
  size_t lf = 0;
  for (char c : text) lf += c == '\n';
  EXPECT_EQ(lf, 12u);
  // Every item a plain decimal followed by exactly one space.
  const std::regex item("-?(0|[1-9][0-9]*) ");
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = i == 0 ? lines[0].substr(17) : lines[i];
    for (size_t at = 0; at < line.size();) {
      const size_t space = line.find(' ', at);
      ASSERT_NE(space, std::string::npos) << line;
      EXPECT_TRUE(std::regex_match(line.substr(at, space - at + 1), item)) << "line " << i + 1 << ": " << line;
      at = space + 1;
    }
  }
  // Counts and record lengths: short records 2 + 9n items, long ones 2 + 9n + 28.
  EXPECT_EQ(lines[1], "7 0 ");                         // the opponent's hand: empty
  EXPECT_EQ(Items(lines[2]).size(), 2u + 9);           // the pile
  EXPECT_EQ(Items(lines[5]).size(), 2u + 9 * 2 + 28);  // the player's hand
  EXPECT_EQ(Items(lines[6]).size(), 2u + 9 * 3 + 28);  // the player's melds
  EXPECT_EQ(Items(lines[4]),
            (std::vector<long long>{7,   0,   3,   146, 48,  146, 93,  146, 138, 146, 183, 146, 228, 146, 273,
                                    146, 318, 146, 363, 146, 408, 146, 453, 146, 498, 146, 543, 146, 588, 146}));
  for (int i = 9; i < 12; ++i) EXPECT_EQ(Items(lines[i]).size(), 27u) << i;
  EXPECT_EQ(lines[12], "1 0 0 0 0 1 0 0 0 0 12 0 2450 -120 90 0 0 ");
}

TEST_F(SavedGameFormat, CanastaRecordsLeaveOutColumnZero) {
  builder.Build("melds: 7H 7S 7D 7C 7H 7S 2S>7").PlayerToDraw();
  ASSERT_EQ(t.PlayerCanastas.Kind[RankSeven], MixedCanasta);
  t.OpponentCanastas.Count = 2;
  t.OpponentCanastas.Kind[RankAce] = NaturalCanasta;
  t.OpponentCanastas.Naturals[RankAce] = 8;
  const std::vector<std::string> lines = Lines(WriteSavedGame(t, 0, FixedSeed(0)));
  // Count, then Kind[1..13], then Naturals[1..13].
  std::vector<long long> player(27, 0), opponent(27, 0);
  player[0] = 1;
  player[RankSeven] = MixedCanasta;
  player[13 + RankSeven] = 6;
  opponent[0] = 2;
  opponent[RankAce] = NaturalCanasta;
  opponent[13 + RankAce] = 8;
  EXPECT_EQ(Items(lines[9]), player);
  EXPECT_EQ(Items(lines[10]), opponent);
}

TEST(MaskSeed, TickTimesRandomRoundedModulo1000) {
  EXPECT_EQ(MaskSeed(1234, 0.5), 617);
  EXPECT_EQ(MaskSeed(5, 0.5), 2);  // 2.5 rounds to even
  EXPECT_EQ(MaskSeed(7, 0.5), 4);  // 3.5 rounds to even
  EXPECT_EQ(MaskSeed(123'456'789, 0.25), 197);
  EXPECT_EQ(MaskSeed(-2000, 0.75), 500);
  EXPECT_EQ(MaskSeed(99, 0.0), 0);
}

// Saving and reading back at random moments of random play gives every field
// of the file again, whatever the seeds; the table read goes on being played.
TEST(SavedGameRoundTrip, EveryFieldAtEveryMomentOfPlay) {
  for (int size = 0; size < WindowSizeCount; ++size) {
    TPlayHost host(40 + size);
    TGame game(host);
    game.Layout = ComputeLayout(size);
    game.ResetAnchors();
    game.DealHand(false);
    TRandomTurns turns(game, host, 90 + size);
    TRandomSource seeds(size);
    int takesOpen = 0;
    for (int step = 0; step < 4000; ++step) {
      SCOPED_TRACE("size " + std::to_string(size) + ", step " + std::to_string(step));
      turns.Act();
      takesOpen += game.Table.PileTakeOpen;
      const std::string text = WriteSavedGame(game.Table, size, [&] { return seeds.Int(1000); });
      TReadResult read = ReadSavedGame(text, TTableState{});
      ASSERT_EQ(read.Fault, TReadFault::None) << read.Detail;
      ASSERT_EQ(read.Game.SizeIndex, size);
      ASSERT_EQ(FileFieldDifference(read.Game.Table, game.Table), "");
      // Now and then play goes on with the table read, as after loading it.
      if (step % 50 == 0) {
        PutSavedGameOnTable(game, read.Game);
        host.RunOpponentTurns(game);
      }
      ASSERT_EQ(CheckCardConservation(game.Table), "");
      ASSERT_EQ(host.Warnings, 0);
    }
    EXPECT_GT(takesOpen, 0);
  }
}

// Two saves of one game differ in their seeds and so in the masked items; the
// other items are the same and so is the table they give.
TEST_F(SavedGameFormat, TwoSavesDifferOnlyInTheirSeeds) {
  game.DealHand(false);
  int tick = 1000;
  const TSeedSource seeds = [&] { return MaskSeed(tick += 17, host.RandomReal()); };
  const std::string first = WriteSavedGame(t, 0, seeds), second = WriteSavedGame(t, 0, seeds);
  EXPECT_NE(first, second);
  const std::vector<std::string> a = Lines(first), b = Lines(second);
  ASSERT_EQ(a.size(), b.size());
  for (size_t line = 0; line < a.size(); ++line) {
    const std::vector<long long> x = Items(line == 0 ? a[0].substr(17) : a[line]);
    const std::vector<long long> y = Items(line == 0 ? b[0].substr(17) : b[line]);
    ASSERT_EQ(x.size(), y.size());
    const size_t first = line == 0 ? 2 : 0;  // the format number and the size precede the stock
    for (size_t i = 0; i < x.size(); ++i) {
      const bool seed = line < 9 && i == first;
      const size_t inCard = (i - first - 2) % 9;
      const bool masked = line < 9 && i >= first + 2 && i < first + 2 + 9 * static_cast<size_t>(x[first + 1]) &&
                          (inCard <= 1 || inCard >= 7);
      if (!seed && !masked) {
        EXPECT_EQ(x[i], y[i]) << "line " << line + 1 << ", item " << i;
      }
    }
  }
  const TReadResult ra = ReadSavedGame(first, TTableState{}), rb = ReadSavedGame(second, TTableState{});
  EXPECT_EQ(FileFieldDifference(ra.Game.Table, rb.Game.Table), "");
}

}  // namespace
