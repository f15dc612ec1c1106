#include "store/saved_game_format.h"
#include "store/saved_game_items.h"

#include <array>
#include <cmath>

namespace tarvelo {

int MaskSeed(std::int64_t tickMs, double random) {
  const double product = std::fabs(static_cast<double>(tickMs) * random);
  return static_cast<int>(std::fmod(std::nearbyint(product), 1000.0));
}

namespace {

class TWriter {
 public:
  explicit TWriter(const TSeedSource& seeds) : seeds_(seeds) {}

  void Item(std::int64_t value) {
    text_ += std::to_string(value);
    text_ += ' ';
  }
  void LineEnd() { text_ += "\r\n"; }
  void Raw(std::string_view text) { text_ += text; }

  void Area(const TCardArea& area, bool withAnchors) {
    const int k = seeds_() + MaskBase;
    Item(k - MaskBase);
    Item(area.Count);
    for (const TCard& c : area.Live()) {
      const int id = c.Id + 1, rank = c.Rank + 1;
      const std::array<std::int64_t, 9> items = {k / id,        k / rank, c.X,    c.Y,     c.Value,
                                                 c.FaceUp != 0, c.Deck,   k % id, k % rank};
      for (std::int64_t item : items) Item(item);
    }
    if (withAnchors)
      for (const TColumnAnchor& a : area.Columns) {
        Item(a.X);
        Item(a.Y);
      }
    LineEnd();
  }

  void Canastas(const TCanastaInfo& info) {
    Item(info.Count);
    for (int c = 1; c < ColumnCount; ++c) Item(info.Kind[c]);
    for (int c = 1; c < ColumnCount; ++c) Item(info.Naturals[c]);
    LineEnd();
  }

  std::string Text() && { return std::move(text_); }

 private:
  const TSeedSource& seeds_;
  std::string text_;
};

}  // namespace

std::string WriteSavedGame(const TTableState& t, int sizeIndex, const TSeedSource& seeds) {
  TWriter w(seeds);
  w.Raw(SavedGameMagic);
  w.Raw(" ");
  w.Item(SavedGameFormat);
  w.Item(sizeIndex);
  for (const TAreaRecord& record : AreaRecords) w.Area(t.*record.Area, record.Long);
  for (TCanastaInfo TTableState::*info : CanastaRecords) w.Canastas(t.*info);
  for (const TTurnItem& item : TurnItems) w.Item(item.Get(t));
  return std::move(w).Text();
}

}  // namespace tarvelo
