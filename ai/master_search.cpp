#include "ai/master_search.h"

#include "ai/computer_player.h"
#include "engine/table_mirror.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <climits>
#include <cmath>

namespace tarvelo {

namespace {
// Turns enough for any hand: one that goes on longer is scored as it lies.
constexpr int MaxPlayoutTurns = 400;
// A budget in time still weighs each candidate on this many deals, and stops at
// the most: beyond them a decision seldom changes, and the player waits less.
constexpr int MinTimedSamples = 2;
constexpr int MaxTimedSamples = 64;
// Standard errors by which a candidate's gain over the first must stand clear.
constexpr double ClearGain = 2.0;

using TIdCounts = std::array<int, JokerId + 1>;

// The first candidate is the Expert's own choice: another replaces it only when
// its mean gain stands clear of the deals' noise, else a few deals would choose by chance.
int ClearWinner(const std::vector<double>& gain, const std::vector<double>& gainSquares, int samples) {
  int best = 0;
  double bestScore = 0;
  for (size_t c = 1; c < gain.size() && samples > 1; ++c) {
    const double mean = gain[c] / samples;
    const double variance = std::max(0.0, (gainSquares[c] - samples * mean * mean) / (samples - 1));
    const double score = mean - ClearGain * std::sqrt(variance / samples);
    if (score > bestScore) {
      best = static_cast<int>(c);
      bestScore = score;
    }
  }
  return best;
}

void CountIds(TIdCounts& counts, const TCardArea& area) {
  for (const TCard& c : area.Live()) ++counts[c.Id];
}

// The deck's cards that are not among the seen ones, in the deck's own order.
std::vector<TCard> UnseenCards(const TIdCounts& seen) {
  std::vector<TCard> cards;
  for (int id = 1; id <= JokerId; ++id) {
    const int copies = id == JokerId ? 4 : 2;
    for (int n = seen[id]; n < copies; ++n) cards.push_back(MakeCard(static_cast<CardId>(id), n % 2));
  }
  return cards;
}

// Refills an area with these cards, each in the place of the card it replaces.
void Refill(TCardArea& area, const TCardArea& model, const std::vector<TCard>& cards, std::uint8_t faceUp) {
  area.Count = 0;
  for (size_t i = 0; i < cards.size(); ++i) {
    TCard card = cards[i];
    const TCard& old = model.Cards[std::min<size_t>(i, MaxCards - 1)];
    card.X = old.X;
    card.Y = old.Y;
    card.FaceUp = faceUp;
    AddCard(area, card);
  }
}
}  // namespace

TMasterSearch::TMasterSearch(const TComputerPlayer& master)
    : master_(master), random_(static_cast<std::uint32_t>(master.Game.Host.RandomInt(INT_MAX))) {}

TMasterSearch::~TMasterSearch() = default;

TTableState TMasterSearch::DealHidden(const TTableState& real, TRandomSource& random) {
  TTableState t = real;
  TIdCounts seen{};
  for (const TCardArea* area : {&real.OpponentHand, &real.OpponentMelds, &real.PlayerMelds, &real.DiscardPile})
    CountIds(seen, *area);
  // Cards seen going into the player's hand are still there, as far as the Master knows.
  std::vector<TCard> playerHand;
  for (const TCard& c : real.pickupMemory.Live()) {
    if (static_cast<int>(playerHand.size()) >= real.PlayerHand.Count) break;
    ++seen[c.Id];
    playerHand.push_back(c);
  }
  std::vector<TCard> unseen = UnseenCards(seen);
  for (size_t i = unseen.size(); i > 1; --i)
    std::swap(unseen[i - 1], unseen[static_cast<size_t>(random.Int(static_cast<int>(i)))]);
  // Each area keeps its count (a table laid by hand may hold fewer cards than the deck).
  const size_t handCards = std::min(unseen.size(), static_cast<size_t>(real.PlayerHand.Count) - playerHand.size());
  const size_t stockCards = std::min(unseen.size() - handCards, static_cast<size_t>(real.Stock.Count));
  const auto split = unseen.begin() + static_cast<std::ptrdiff_t>(handCards);
  playerHand.insert(playerHand.end(), unseen.begin(), split);
  const std::vector<TCard> stock(split, split + static_cast<std::ptrdiff_t>(stockCards));
  Refill(t.PlayerHand, real.PlayerHand, playerHand, 1);
  Refill(t.Stock, real.Stock, stock, 0);
  return t;
}

int TMasterSearch::Best(int candidates, const TCandidateTurn& play) {
  const auto begin = std::chrono::steady_clock::now();
  const TComputerSettings& s = master_.Settings;
  const auto n = static_cast<size_t>(candidates);
  // Each candidate against the first, deal by deal: sums of the differences and of their squares.
  std::vector<double> gain(n, 0.0), gainSquares(n, 0.0);
  auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(); };
  int samples = 0;
  while (s.MasterSamples > 0
             ? samples < s.MasterSamples
             : samples < MinTimedSamples || (samples < MaxTimedSamples && elapsed() * 1000.0 < s.MasterMilliseconds)) {
    const TTableState dealt = DealHidden(master_.Game.Table, random_);
    // Every candidate meets the same deal and the same draws: their difference is the decision's.
    const auto seed = static_cast<std::uint32_t>(random_.Int(INT_MAX));
    const double first = PlayOut(dealt, seed, 0, play);
    for (size_t c = 1; c < n; ++c) {
      const double d = PlayOut(dealt, seed, static_cast<int>(c), play) - first;
      gain[c] += d;
      gainSquares[c] += d * d;
    }
    ++samples;
  }
  report_ = {samples, elapsed()};
  return ClearWinner(gain, gainSquares, samples);
}

void TMasterSearch::PlayCandidate(const TTableState& table, std::uint32_t seed, int candidate,
                                  const TCandidateTurn& play) {
  static_cast<TGameValues&>(game_) = master_.Game;
  game_.Table = table;
  host_.Random.Seed(seed);
  host_.TurnPending = false;
  host_.HandOver = false;
  self_ = std::make_unique<TComputerPlayer>(game_);
  self_->CopyStrategyFrom(master_);
  play(*self_, candidate);
}

bool TMasterSearch::SameTurn(int a, int b, const TCandidateTurn& play) {
  const TTableState& real = master_.Game.Table;
  PlayCandidate(real, 1, a, play);
  const TTableState first = game_.Table;
  PlayCandidate(real, 1, b, play);
  const TTableState& second = game_.Table;
  auto same = [](const TCardArea& x, const TCardArea& y) {
    return x.Count == y.Count && std::equal(x.Live().begin(), x.Live().end(), y.Live().begin());
  };
  return same(first.OpponentHand, second.OpponentHand) && same(first.OpponentMelds, second.OpponentMelds) &&
         same(first.DiscardPile, second.DiscardPile) && same(first.Stock, second.Stock);
}

double TMasterSearch::PlayOut(const TTableState& dealt, std::uint32_t seed, int candidate, const TCandidateTurn& play) {
  PlayCandidate(dealt, seed, candidate, play);
  TComputerPlayer& self = *self_;
  TComputerPlayer other(game_);
  other.Settings.computerLevel = LevelExpert;
  other.CheckLegality = self.CheckLegality;
  int side = 0;  // 0 while the Master's seat is the computer's place of the table
  for (int turns = 0; !host_.HandOver && turns < MaxPlayoutTurns; ++turns) {
    if (!host_.TurnPending) {
      TurnTableAround(game_);
      game_.Table.pickupMemory.Count = 0;  // what one seat saw is not the other's to know
      side ^= 1;
    }
    host_.TurnPending = false;
    (side == 0 ? self : other).playComputerTurn();
  }
  const int atPlace = host_.HandOver ? host_.Result.Opponent.Total() : game_.ScoreSeat(Seat::Opponent).Total();
  const int atPlayer = host_.HandOver ? host_.Result.Player.Total() : game_.ScoreSeat(Seat::Player).Total();
  return side == 0 ? atPlace - atPlayer : atPlayer - atPlace;
}

}  // namespace tarvelo
