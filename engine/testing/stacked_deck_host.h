#pragma once

#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <array>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tarvelo {

// A host whose random source puts the named cards on top of the stock (the
// first named is drawn first) and the others below them in the order the
// shuffle generates them.
class TStackedDeckHost : public TRecordingHost {
 public:
  explicit TStackedDeckHost(const std::vector<std::string>& top) {
    // Generation order of the shuffle: per pack, ids 1..52, then two jokers.
    std::vector<std::pair<int, int>> order;  // (id, deck)
    for (int deck = 0; deck < 2; ++deck) {
      for (int id = 1; id <= 52; ++id) order.emplace_back(id, deck);
      order.emplace_back(JokerId, deck);
      order.emplace_back(JokerId, deck);
    }
    std::vector<int> fromTop(order.size(), -1);
    std::array<int, JokerId + 1> named{};
    for (size_t i = 0; i < top.size(); ++i) {
      const TCard card = TTableBuilder::Card(top[i]);
      const int copy = named[card.Id]++;
      int seen = 0;
      for (size_t n = 0; n < order.size(); ++n)
        if (order[n].first == card.Id && seen++ == copy) fromTop[n] = static_cast<int>(i);
    }
    int next = static_cast<int>(top.size());
    for (int& position : fromTop)
      if (position < 0) position = next++;
    for (int position : fromTop) slots_.push_back(MaxCards - 1 - position);
  }
  // The cards named in one text, separated by blanks.
  explicit TStackedDeckHost(const std::string& top) : TStackedDeckHost(Names(top)) {}

  int RandomInt(int) override { return slots_[next_++ % slots_.size()]; }

  static std::vector<std::string> Names(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream in(text);
    for (std::string w; in >> w;) names.push_back(w);
    return names;
  }

 private:
  std::vector<int> slots_;
  size_t next_ = 0;
};

}  // namespace tarvelo
