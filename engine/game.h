#pragma once

#include "engine/game_observer.h"
#include "engine/game_state.h"
#include "engine/host.h"
#include "engine/layout.h"
#include "engine/moves.h"
#include "engine/rules.h"
#include "engine/scoring_types.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvelo {

// One card laid into the melds this turn, as it was laid: its column is kept
// with it, whatever size the window takes afterwards.
struct TUndoRecord {
  TCard Card;
};

// What a game holds besides its host and its modes, copied as one value: so
// the computer's search can play a game on in its head.
struct TGameValues {
  TTableState Table;
  TRuleSettings Rules;
  TLayout Layout;
  int RightClicks = 0;  // 0: one right click discards; 1: two right clicks
  std::vector<TUndoRecord> UndoStack;
  std::string LastDealString;  // the deal string of the latest shuffle
};

// The game engine: the table state, the rules and every rule of play. All
// contact with the outside world goes through the host.
class TGame : public TGameValues {
 public:
  explicit TGame(TableHost& host);

  TableHost& Host;
  // Set while the computer tries a move out on the table before making it:
  // nothing of the trial is shown.
  bool Rehearsing = false;

  // The one listener to what happens at the table (the network game while it
  // runs, a test's recorder); none by default, and then nothing is told.
  // It is set on the game rather than made a role of the host: the host's roles
  // are what the engine asks of the world and every host must answer them,
  // while a listener only listens, and comes and goes with a network game.
  // It is kept out of the game's values: the computer's search copies those
  // into a game of its own, whose trials nobody hears.
  void SetObserver(TGameObserver* observer) { observer_ = observer; }
  // Tells the observer what happened; nothing is told while a step is rehearsed.
  void Report(const TGameReport& report);

  // --- Cards and table state
  void CountColumns();
  // Value of a seat's melds; without allColumns only columns of three or more cards count.
  int MeldValueOf(Seat seat, bool allColumns) const;
  int MeldValue(bool allColumns) const { return MeldValueOf(Seat::Player, allColumns); }
  int ColumnOf(int x) const { return Layout.ColumnOf(x); }
  // Column anchors of the hand and both meld areas at the start of a hand.
  void ResetAnchors();
  // Moves every card and anchor to a new layout, each card staying in its column.
  void ApplyLayout(const TLayout& newLayout);

  // --- Rules
  void LoadRules() { Rules = tarvelo::LoadRules(Host); }

  // --- Dealing
  static int InitialMeldFor(int score);
  void ChooseFirstDrawer();  // once at program start
  void DealHand(bool atStartUp);
  // The hand of a network game dealt on the other side, rebuilt from its deal
  // string: the same stock, this side's player dealt first, so that both sides
  // hold the same cards in the same seats. Nothing is reported: the deal is the
  // dealer's. A string that is not a whole deal is refused and changes nothing.
  bool DealFromString(const std::string& dealString);
  void NewGame();
  // Fills the stock with a random permutation of the 108 cards; returns the deal string.
  std::string Shuffle();

  // --- Meld legality (the player's side)
  bool ValidateMelds();
  bool ValidateForDiscard();
  bool CheckCanasta(Seat seat, int column);
  bool UpdateMayMeldBlackThrees();
  bool MustPassDiscard();
  bool IsPileTakeComplete();

  // --- Turn controller
  void ShowPhase(int phase);
  void ShowStatus(int error);
  // The pile has changed: its whole place, fanned or not, with its counter.
  void RepaintPile();
  // Shows a card's move from where it was to where it lies now: animation and
  // both places repainted; nothing while a step is rehearsed.
  void AnimateMove(const TCard& from, const TCard& to);
  // Lays a card face up onto the pile, with its move shown.
  void PlaceOnPile(TCard card);
  std::string PhaseText(int phase) const;
  std::string ErrorText(int error) const;
  void DrawFromStock();
  void EndOfDraw();
  bool IsPileFrozen(Seat seat) const;
  bool IsPileFrozen() const { return IsPileFrozen(Table.OpponentToMove ? Seat::Opponent : Seat::Player); }
  // Takes a card out of a seat's melds, reopening or keeping a canasta as needed.
  TCard TakeCardFromMelds(Seat seat, int index);
  // A take must be made good before the rest of the pile follows: from a frozen
  // pile, into a new meld, or where a natural pair joins an existing meld.
  bool PileTakeIsConditional(bool frozen, int columnBefore) const;
  void TakePile();
  void CompletePileTake();
  void TakeRestOfPile();
  // The one-card check: a player left with a single card that cannot go out passes the discard.
  void PassDiscard();
  void PassTurn();
  // The End Hand button: the hand ends when the move is allowed.
  void EndHand();
  void EndHandNow();
  void ToggleOpponentCards();  // Ctrl+F11
  // The player may act: it is not the opponent's turn and the hand is not over.
  bool PlayerOnTurn() const;
  // The player has drawn and is still melding: a chain of meld actions goes on only while this holds.
  bool PlayerMelding() const;
  void SetStockExhausted(bool exhausted);

  // --- End of hand and scoring
  bool CheckHandEnd();
  THandScore ScoreSeat(Seat seat) const;
  std::pair<int, int> ScoreHand();
  std::string OpponentCaption() const;     // "Computer" or the peer's name
  std::string OpponentInSentence() const;  // "the computer" or the peer's name

  // --- Undo
  // "&Undo Meld": the newest card laid this turn goes back, when the move is allowed.
  void UndoMeld();
  void TakeBackLastMeld();
  void UndoAll();
  void UndoTakePile();
  // The turn's start as the undo areas keep it: the player's, or a peer's (the
  // player is not on turn meanwhile) as its turn stood before its pile take or
  // after its draw.
  void SaveTurnSnapshot(Seat seat = Seat::Player);
  void RestoreTurnSnapshot(Seat seat = Seat::Player);
  void ClearUndo();

  // --- Melding and discarding: the player's moves as Apply makes them, after Refusal allowed them
  // One natural (the hand card at `index`), or `count` of its rank from the start of the hand.
  void MeldNaturals(int index, int count);
  // A wildcard onto a meld column: the hand card at `index`, else a joker, else a two.
  void AddWildcard(int column, int index = -1);
  void AddWildcards(int column, int count, int firstIndex);
  void DiscardFromHand(int index);
  void DiscardRedThree(int index);
  void AfterMeld(bool autoWildcardAdded);
  // A wildcard discarded freezes the pile, and so does a red three under Three Block.
  void FreezeForDiscard(const TCard& card);
  // A click on the pile while a conditional take is open gives the pile back, at a charge.
  void GiveBackPile();
  // The turn passes to the opponent: the computer plays now, a peer plays on its side.
  void HandTurnToOpponent();

 private:
  // Reports one step of the player's move.
  void ReportMove(TMoveKind kind, const TCard& card = {}, int column = -1);
  void ShowCanastaTopCard(TCardArea& melds, int column, int kind);
  // Before the cards of a new hand: notice, sound, undo and turn state.
  void BeginHand(std::string_view sound, bool networkHand);
  // Puts every card of the shuffle's order into the stock slot the deal string
  // names, and empties the other areas.
  void FillStock(const std::string& dealString);
  // Deals the filled stock out, the upcard turned, and starts the hand's first turn.
  void DealFromStock(Seat first, bool networkHand);
  // Fifteen cards to each seat, `first` first; red threes are laid out at once.
  void DealSeats(Seat first);
  void DealOpponentHand();
  void DealPlayerHand();
  void TurnUpcard();
  void StartFirstTurn(bool networkHand);
  bool HandHasEnded();
  // Ends a game: verdict, statistics, and the question of another game.
  // False when the player declined and the program is quitting.
  bool GameOver();
  void LayHandCardIntoMelds(int handIndex);

  // --- Turn helpers
  void SetPlayingRulesHint();
  // The hand's indices shift: HandShifts tells whoever names a hand card by index.
  void HandIndicesShifted();
  // Lays a card face up into its rank column of the hand, or a red three into the player's melds.
  void LayInColumn(TCardArea& area, TCard card);
  // The column's closed canasta was completed by the card about to leave it: uncount it
  // and stack its cards open again.
  void ReopenCanasta(Seat seat, int column);
  // Seven cards or more, four of them naturals (any seven in the wildcard column).
  bool IsCanastaColumn(Seat seat, int column) const;
  void PushUndo(const TCard& card);
  // The automatic wildcard of a natural meld that has just become a pair.
  bool AutoWildcardDue(int rank);

  TGameObserver* observer_ = nullptr;
};

}  // namespace tarvelo
