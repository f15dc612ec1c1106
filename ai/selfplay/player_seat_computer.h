#pragma once

#include "ai/computer_player.h"
#include "ai/selfplay/selfplay_host.h"
#include "engine/game.h"

namespace tarvelo {

// A computer level in the player's seat: it plays its turn on a copy of the
// table turned around, where the seat is the computer's own, and the turn it
// made there is then made on the real table as the player's moves, one at a
// time, judged as the player's are. The game reports them as the player's, so
// that a network game sends them to the peer.
class TPlayerSeatComputer {
 public:
  explicit TPlayerSeatComputer(const TComputerSettings& settings);

  // Plays the player's whole turn. False when a move of the computer's turn was
  // refused on the real table and the turn was ended another way.
  bool PlayTurn(TGame& game);

 private:
  void PlayOnTheTurnedTable(const TGame& game);
  bool MakeTheSameTurn(TGame& game);
  bool LayTheSameMelds(TGame& game, int firstColumn);
  // onlyWhole: only a column whose naturals are all in the hand.
  bool LayColumn(TGame& game, int column, bool onlyWhole);
  bool InHand(const TTableState& table, int column) const;
  bool EndTheSameWay(TGame& game);
  // Whatever the turn has come to, it ends: what was laid back, a draw, a discard or a pass.
  void EndTurnAnyway(TGame& game) const;
  bool OnTurn(const TGame& game) const;

  TSelfPlayHost host_;
  TGame turned_{host_};
  TComputerPlayer computer_{turned_};
  TTableState before_;
  std::string deal_;  // the hand the turn is played in
};

}  // namespace tarvelo
