#pragma once

#include "engine/card.h"
#include "engine/game_state.h"
#include "engine/moves.h"
#include "engine/rules.h"

#include <string>
#include <variant>

namespace tarvelo {

// One step of a seat's move as it happened: one report per card where a move
// moves several (each natural laid, each wildcard, each card drawn).
struct TMoveReport {
  Seat By = Seat::Player;
  TMoveKind Kind = TMoveKind::Draw;
  // The card that moved, where one did: drawn, the pile's top taken or given
  // back, laid, taken back, discarded. Empty for the rest of the pile, a pass
  // and the hand ended.
  TCard Card;
  // MeldWildcard: the column the wildcard joined; TakeBack: the column the card left.
  int Column = -1;
  bool operator==(const TMoveReport&) const = default;
};

// A hand dealt: the deal string of its shuffle (who draws first, then the slot
// of every card).
struct TDealReport {
  std::string DealString;
  bool operator==(const TDealReport&) const = default;
};

// A new game: the scores start again from nothing.
struct TNewGameReport {
  bool operator==(const TNewGameReport&) const = default;
};

// Rules put into force.
struct TRulesReport {
  TRuleSettings Rules;
  bool operator==(const TRulesReport&) const = default;
};

// A game has ended: the player's final total minus the opponent's. The side
// that did not lose begins the next game (TNewGameReport follows).
struct TGameOverReport {
  int Difference = 0;
  bool operator==(const TGameOverReport&) const = default;
};

using TGameReport = std::variant<TMoveReport, TDealReport, TNewGameReport, TRulesReport, TGameOverReport>;

// Hears what happens at the table, in the order it happens. The engine tells
// it and asks nothing back: it never encodes a message nor decides whether
// anyone is told. The moves it reports are the player's own (the opponent's
// come from the computer or from the peer, who knows them already); nothing
// of a step the computer only tries out is reported.
class TGameObserver {
 public:
  virtual ~TGameObserver() = default;
  virtual void Reported(const TGameReport& report) = 0;
};

}  // namespace tarvelo
