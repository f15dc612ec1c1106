#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvelo {

// The rows of one seat's hand score, in the order of the detailed results dialog.
enum ScoreRow {
  RowCardsOnTable = 0,  // "Cards on the Table"
  RowCardsInHand = 1,   // "Cards in Hand"
  RowCanastas = 2,      // "Canastas"
  RowRedThrees = 3,     // "Red Threes"
  RowFinishBonus = 4,   // "Finish Bonus"
  RowTotal = 5,         // "TOTAL"
  ScoreRowCount = 6
};

struct TScoreLine {
  std::int32_t Count = 0;
  std::int32_t Value = 0;
  bool operator==(const TScoreLine&) const = default;
};

struct THandScore {
  std::array<TScoreLine, ScoreRowCount> Rows{};
  std::int32_t Total() const { return Rows[RowTotal].Value; }
};

// What the "Scoring Results" and "Detailed Scoring Results" dialogs show.
struct THandResults {
  std::string PlayerName;    // the profile's name, or "Player"
  std::string OpponentName;  // "Computer", or the peer's name
  THandScore Player;
  THandScore Opponent;
  std::int32_t Difference() const { return Player.Total() - Opponent.Total(); }
};

// What the game-over dialog and the statistics receive.
struct TGameOverInfo {
  std::string Verdict;
  std::string OpponentName;
  std::int32_t PlayerScore = 0;
  std::int32_t OpponentScore = 0;
  std::int32_t Difference = 0;  // player minus opponent
  bool PlayerWon = false;
  bool Draw = false;
};

}  // namespace tarvelo
