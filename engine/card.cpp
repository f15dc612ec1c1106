#include "engine/card.h"

namespace tarvelo {

std::uint8_t RankOf(CardId id) {
  if (id == JokerId) return RankJoker;
  const int r = id % 13;
  return static_cast<std::uint8_t>(r == 0 ? RankAce : r);
}

std::int32_t ValueOf(CardId id) {
  switch (RankOf(id)) {
    case RankJoker:
      return 50;
    case RankTwo:
      return 20;
    case RankThree:
      return (id == BlackThreeSpades || id == BlackThreeClubs) ? 5 : 0;
    case RankAce:
      return 20;
    default:
      return RankOf(id) <= RankSeven ? 5 : 10;
  }
}

bool IsWildcard(const TCard& card) { return card.Rank < RankThree; }
bool IsRedThree(const TCard& card) { return card.Id == RedThreeDiamonds || card.Id == RedThreeHearts; }
bool IsBlackThree(const TCard& card) { return card.Id == BlackThreeSpades || card.Id == BlackThreeClubs; }
bool IsValidCardId(int id) { return id >= 1 && id <= JokerId; }

TCard MakeCard(CardId id, std::uint8_t deck) {
  TCard card;
  card.Id = id;
  card.Rank = RankOf(id);
  card.Value = ValueOf(id);
  card.Deck = deck;
  return card;
}

unsigned char CardChar(const TCard& card) {
  return static_cast<unsigned char>(32 + card.Id + (card.Deck == 1 ? 64 : 0));
}

std::optional<TCard> CardFromChar(unsigned char c) {
  if (c < 32) return std::nullopt;
  const int code = c - 32;
  const int id = code & ~64;
  // Ids 54 and 55 fit the character range but are no card: refuse them too.
  if (!IsValidCardId(id)) return std::nullopt;
  return MakeCard(static_cast<CardId>(id), (code & 64) ? 1 : 0);
}

}  // namespace tarvelo
