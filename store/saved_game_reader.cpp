#include "engine/invariants.h"
#include "store/saved_game_format.h"
#include "store/saved_game_items.h"

#include <cstdint>
#include <string>

namespace tarvelo {

namespace {

struct TStop {
  TReadFault Fault;
  std::string Detail;
};

// The file's items line by line. A record's items must stand on its own line;
// what follows them on the line is skipped.
class TItemReader {
 public:
  explicit TItemReader(std::string_view text) : rest_(text) {}

  void NextLine() {
    if (atEnd_) Stop(TReadFault::Input, "the file ends before line " + std::to_string(lineNo_ + 1));
    ++lineNo_;
    const std::size_t end = rest_.find('\n');
    line_ = rest_.substr(0, end);
    if (end == std::string_view::npos) {
      rest_ = {};
      atEnd_ = true;
    } else {
      rest_.remove_prefix(end + 1);
    }
    if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
  }

  std::int32_t Item(const std::string& what) {
    while (!line_.empty() && (line_.front() == ' ' || line_.front() == '\t')) line_.remove_prefix(1);
    if (line_.empty()) Stop(TReadFault::Input, what + " is missing");
    std::size_t i = 0;
    const bool negative = line_[0] == '-';
    if (line_[0] == '-' || line_[0] == '+') ++i;
    const std::size_t digits = i;
    std::int64_t value = 0;
    for (; i < line_.size() && line_[i] >= '0' && line_[i] <= '9'; ++i) {
      value = value * 10 + (line_[i] - '0');
      if (value > (std::int64_t{1} << 31)) Stop(TReadFault::Input, what + " is too long a number");
    }
    const bool separated = i == line_.size() || line_[i] == ' ' || line_[i] == '\t';
    if (i == digits || !separated) Stop(TReadFault::Input, what + " is not a number");
    line_.remove_prefix(i);
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) Stop(TReadFault::Input, what + " is too long a number");
    return static_cast<std::int32_t>(value);
  }

  std::int32_t Item(const std::string& what, std::int32_t min, std::int32_t max) {
    const std::int32_t value = Item(what);
    if (value < min || value > max)
      Stop(TReadFault::Range,
           what + " is " + std::to_string(value) + ", outside " + std::to_string(min) + ".." + std::to_string(max));
    return value;
  }

  [[noreturn]] void Stop(TReadFault fault, const std::string& what) const {
    throw TStop{fault, "line " + std::to_string(lineNo_) + ": " + what};
  }

 private:
  std::string_view rest_;
  std::string_view line_;
  int lineNo_ = 0;
  bool atEnd_ = false;
};

// A masked id or rank v: the divisor v + 1 = (K - remainder) / quotient; v must
// lie in min..max and the divisor must give back both items.
int Unmask(TItemReader& r, std::int64_t k, std::int32_t quotient, std::int32_t remainder, int min, int max,
           const std::string& what) {
  if (quotient < 1) r.Stop(TReadFault::Range, what + " has a mask quotient of " + std::to_string(quotient));
  const std::int64_t divisor = (k - remainder) / quotient;
  if (divisor - 1 < min || divisor - 1 > max)
    r.Stop(TReadFault::Range, what + " decodes to " + std::to_string(divisor - 1));
  if (k / divisor != quotient || k % divisor != remainder)
    r.Stop(TReadFault::Range, what + " does not match the mask of its record");
  return static_cast<int>(divisor - 1);
}

TCard ReadCard(TItemReader& r, std::int64_t k, const std::string& where) {
  std::int32_t items[9];
  const std::int32_t coordinate[2] = {-MaxCoordinate, MaxCoordinate};
  items[0] = r.Item(where + " id");
  items[1] = r.Item(where + " rank");
  items[2] = r.Item(where + " x", coordinate[0], coordinate[1]);
  items[3] = r.Item(where + " y", coordinate[0], coordinate[1]);
  items[4] = r.Item(where + " value");
  items[5] = r.Item(where + " face");
  items[6] = r.Item(where + " deck", 0, 1);
  items[7] = r.Item(where + " id remainder");
  items[8] = r.Item(where + " rank remainder");
  TCard card;
  // Ids 54 and 55 fit the mask but are no card.
  card.Id = static_cast<CardId>(Unmask(r, k, items[0], items[7], 1, JokerId, where + " id"));
  card.Rank = static_cast<std::uint8_t>(Unmask(r, k, items[1], items[8], 0, ColumnCount - 1, where + " rank"));
  if (card.Rank != RankOf(card.Id)) r.Stop(TReadFault::Range, where + " has a rank that is not its card's");
  card.X = items[2];
  card.Y = items[3];
  card.Value = items[4];
  if (card.Value != ValueOf(card.Id)) r.Stop(TReadFault::Range, where + " has a value that is not its card's");
  card.FaceUp = items[5] != 0;
  card.Deck = static_cast<std::uint8_t>(items[6]);
  return card;
}

void ReadArea(TItemReader& r, TCardArea& area, const TAreaRecord& record) {
  const std::string name = record.Name;
  const std::int64_t k = r.Item(name + " seed", 0, 999) + MaskBase;
  area.Count = static_cast<std::uint8_t>(r.Item(name + " count", 0, MaxCards));
  for (TCard& card : area.Live())
    card = ReadCard(r, k, name + " card " + std::to_string(&card - area.Cards.data() + 1));
  if (!record.Long) return;
  for (TColumnAnchor& anchor : area.Columns) {
    anchor.X = r.Item(name + " column x", -MaxCoordinate, MaxCoordinate);
    anchor.Y = r.Item(name + " column y", -MaxCoordinate, MaxCoordinate);
  }
}

void ReadCanastas(TItemReader& r, TCanastaInfo& info) {
  info.Count = r.Item("canasta count", 0, MaxCards);
  for (int c = 1; c < ColumnCount; ++c) info.Kind[c] = static_cast<std::uint8_t>(r.Item("canasta kind", 0, 3));
  for (int c = 1; c < ColumnCount; ++c)
    info.Naturals[c] = static_cast<std::uint8_t>(r.Item("canasta naturals", 0, MaxCards));
}

// The turn state the file implies rather than holds.
void CompleteTurn(TTableState& t) {
  t.MayDraw = !t.HasDrawn;
  if (t.Phase == PhaseOpponent && t.PendingPhase == PhaseOpponent) t.PendingPhase = PhaseDraw;
  // An open take with no card in the snapshot melds is refused by CheckTable.
  if (t.PileTakeOpen && !t.UndoPlayerMelds.Empty()) {
    // The pile's top card is the last card the take laid into the snapshot of
    // the melds (or, when it closed a canasta, one of the same rank in its place).
    t.PileTopCard = t.UndoPlayerMelds.Cards[t.UndoPlayerMelds.Count - 1];
    t.PileTakeRank = t.PileTopCard.Rank;
  }
}

// Every card once on the table; while a take of the pile can still be given
// back, also every card once on the table that giving it back restores.
std::string CheckTable(const TTableState& t) {
  std::string fault = CheckCardConservation(t);
  if (!fault.empty() || !t.PileTakeOpen) return fault;
  if (t.UndoPlayerMelds.Empty()) return "a take of the pile is open but no card of it is in the melds";
  TTableState restored = t;
  restored.PlayerHand = t.UndoPlayerHand;
  restored.PlayerMelds = t.UndoPlayerMelds;
  restored.DiscardPile = t.UndoDiscardPile;
  fault = CheckCardConservation(restored);
  return fault.empty() ? "" : "before the take of the pile, " + fault;
}

void ReadBody(TItemReader& r, TReadResult& result) {
  TTableState& t = result.Game.Table;
  r.NextLine();
  result.Format = r.Item("the format number");
  if (result.Format != SavedGameFormat) r.Stop(TReadFault::Version, "format " + std::to_string(result.Format));
  result.Game.SizeIndex = r.Item("the window size", 0, 3);
  for (std::size_t i = 0; i < AreaRecords.size(); ++i) {
    if (i > 0) r.NextLine();
    ReadArea(r, t.*AreaRecords[i].Area, AreaRecords[i]);
  }
  for (TCanastaInfo TTableState::*info : CanastaRecords) {
    r.NextLine();
    ReadCanastas(r, t.*info);
  }
  r.NextLine();
  for (const TTurnItem& item : TurnItems) item.Set(t, r.Item(item.Name, item.Min, item.Max));
  CompleteTurn(t);
  const std::string fault = CheckTable(t);
  if (!fault.empty()) throw TStop{TReadFault::Range, fault};
}

}  // namespace

TReadResult ReadSavedGame(std::string_view text, const TTableState& base) {
  TReadResult result;
  if (text.substr(0, SavedGameMagic.size()) != SavedGameMagic) {
    result.Fault = TReadFault::NotSavedGame;
    result.Detail = "the file does not begin with " + std::string(SavedGameMagic);
    return result;
  }
  result.Game.Table = base;
  TItemReader reader(text.substr(SavedGameMagic.size()));
  try {
    ReadBody(reader, result);
  } catch (const TStop& stop) {
    result.Fault = stop.Fault;
    result.Detail = stop.Detail;
  }
  return result;
}

}  // namespace tarvelo
