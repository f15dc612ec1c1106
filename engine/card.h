#pragma once

#include <cstdint>
#include <optional>

namespace tarvelo {

// Card ids are persisted (saved games, peer messages): never renumber.
// 1..52 = suit * 13 + rank index + 1 (suits spade, club, diamond, heart;
// rank index 0 = two .. 12 = ace); 53 = joker.
using CardId = std::uint8_t;
constexpr CardId JokerId = 53;
constexpr CardId RedThreeDiamonds = 28;
constexpr CardId RedThreeHearts = 41;
constexpr CardId BlackThreeSpades = 2;
constexpr CardId BlackThreeClubs = 15;

// Rank slots double as meld columns: 0 joker, 1 two, 2 three .. 13 ace.
enum RankSlot : std::uint8_t {
  RankJoker = 0,
  RankTwo = 1,
  RankThree = 2,
  RankFour = 3,
  RankFive = 4,
  RankSix = 5,
  RankSeven = 6,
  RankEight = 7,
  RankNine = 8,
  RankTen = 9,
  RankJack = 10,
  RankQueen = 11,
  RankKing = 12,
  RankAce = 13
};
constexpr int ColumnCount = 14;

struct TCard {
  CardId Id = 0;
  std::uint8_t Rank = 0;  // the card's own rank slot; a wildcard keeps 0 or 1 in any meld
  std::int32_t X = 0;     // left edge on the table
  std::int32_t Y = 0;
  std::int32_t Value = 0;
  std::uint8_t FaceUp = 0;
  std::uint8_t Deck = 0;  // which of the two packs, 0 or 1: selects the back design
  // In a meld area, the column the card lies in (a wildcard's is its meld's),
  // whatever the window's size; set wherever a card is laid into a column.
  std::uint8_t Column = 0;

  // The same card in the same place: the column goes with the place.
  bool operator==(const TCard& other) const {
    return Id == other.Id && Rank == other.Rank && X == other.X && Y == other.Y && Value == other.Value &&
           FaceUp == other.FaceUp && Deck == other.Deck;
  }
};

std::uint8_t RankOf(CardId id);
std::int32_t ValueOf(CardId id);
bool IsWildcard(const TCard& card);
bool IsRedThree(const TCard& card);
bool IsBlackThree(const TCard& card);
bool IsValidCardId(int id);

// A card record as it comes out of a pack, not yet placed on the table.
TCard MakeCard(CardId id, std::uint8_t deck);

// One-character form of a card in peer messages: 32 + id, plus 64 for the second pack.
unsigned char CardChar(const TCard& card);
// Reverses CardChar; nothing for a character that names no card.
std::optional<TCard> CardFromChar(unsigned char c);

}  // namespace tarvelo
