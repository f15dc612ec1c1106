#pragma once

#include "engine/game_state.h"

#include <cstdint>
#include <string>

namespace tarvelo {

class TGame;

// What a seat does on its turn, the same value whoever decides it: the
// player's clicks and keys, the computer's strategy, or a peer's message.
enum class TMoveKind : std::uint8_t {
  Draw,  // the turn's cards from the stock
  // The pile's top card: the player's goes into its melds and the rest follows
  // once the take is made good; the opponent's goes into its hand (Count 1:
  // the pile's freeze lifted first, as the Beginner and Advanced show it).
  TakePile,
  TakePileRest,     // the rest of the pile into the opponent's hand, after its melds with the top card
  GiveBackPile,     // a conditional take undone: the top card back, at a charge of 50
  Meld,             // naturals from the hand into their rank's column
  MeldWildcard,     // wildcards from the hand onto a meld column
  TakeBack,         // the newest card laid this turn back into the hand
  Discard,          // a hand card onto the pile, ending the turn
  DiscardRedThree,  // a red three of the melds onto the pile, ending the turn (Three Block)
  PassDiscard,      // no discard: one card left and not the canastas to go out
  EndHand,          // the stock exhausted, the hand ends before the seat draws
};

struct TMove {
  TMoveKind Kind = TMoveKind::Draw;
  // The card's index in the seat's hand (Meld, MeldWildcard, Discard) or melds
  // (DiscardRedThree); -1 lets MeldWildcard take a joker, else a two.
  int Card = -1;
  int Column = -1;  // MeldWildcard: the meld column
  // Meld: cards of the rank; with more than one they are laid in the seat's
  // own order (the player's hand from its start, the opponent's row from its
  // end), and the one named need not be among them. MeldWildcard: wildcards.
  int Count = 1;
  // A peer's move, one step as its own side made it on the player's seat:
  // Draw takes one card of the turn's draw; TakePile lays the top card into
  // the melds, the rest of the pile to follow (TakePileRest) or to be given
  // back (GiveBackPile); red threes are laid out as they come; TakeBack takes
  // the melds' card at Card out of Column.
  bool Stepwise = false;
  bool operator==(const TMove&) const = default;
};

// Why a move is not made. A refusal with an error is shown on the player's
// status line (TStatusError), one with InBox in a box; any other is a move
// that does not apply now (not the seat's turn, no such card) and the player's
// click is ignored without a word. Reason says why, for the box, the status
// line's failed meld check, and the computer's report.
struct TRefusal {
  bool Refused = false;
  int Error = StatusPhase;
  std::string Reason;
  bool InBox = false;

  static TRefusal None() { return {}; }
  static TRefusal Silent(std::string reason = {}) { return {true, StatusPhase, std::move(reason)}; }
  static TRefusal Shown(int error, std::string reason = {}) { return {true, error, std::move(reason)}; }
  static TRefusal Boxed(std::string text) { return {true, StatusPhase, std::move(text), true}; }
  explicit operator bool() const { return Refused; }
};

// Whether `seat` may make `move` now; empty (not Refused) when it may. The
// meld half is the same check a finished turn is judged by.
TRefusal Refusal(const TGame& game, Seat seat, const TMove& move);

// Makes a move that Refusal allowed, with all that follows from it: a pile
// take made good, the discard passed, the hand ended, the turn handed over.
void Apply(TGame& game, Seat seat, const TMove& move);

// Refusal, then Apply: a refusal with an error is shown on the status line.
// True when the move was made.
bool TryMove(TGame& game, Seat seat, const TMove& move);

}  // namespace tarvelo
