#pragma once

// Names kept as the game's design has them (the README's naming rule excepts
// them); every other name here follows TName / PascalCase / camelCase:
//   turns and steps: playComputerTurn, recountTallies, meldNaturals,
//     canTakeDiscardPile, findInHand, wildcardsInMeld, finishGoingOut,
//     advancedBuildCanastas;
//   Expert: expertTurn, expertPileDecision, looseCards, canastaProspectNow,
//     initialMeldEstimate, canSpare, pileContested, expertTakeMeld,
//     completeInitialMeld, layNaturalCanastas, buildCanastas, layNaturals,
//     reachableCanastas, goingOutPays, tryGoOutAggressively, expertMeldStep,
//     expertChooseDiscard, wildcardsUsed;
//   Advanced: advancedTurn, advancedPileDecision, advancedInitialMeldEstimate,
//     canastaFromHand, advancedCompleteInitialMeld, advancedChooseDiscard;
//   Beginner: beginnerTurn, beginnerPileDecision, beginnerInitialMeldEstimate,
//     layRankFromHand, beginnerCompleteInitialMeld, beginnerLayNaturals,
//     beginnerFinishGoingOut, beginnerChooseDiscard;
//   strategy memory: shedRank, threeBlocking, canastaProspect, plannedWildcards,
//     wildcardPlan, aggressiveTurn, initialMeldTarget, opponentHoldsMajority;
//   tallies (ai/rank_tally.h): ownHand, ownMeld, ownMeldNatural, oppMeld,
//     oppMeldNatural, discardCount, oppTaken; the game's pickupMemory;
//   settings (ai/computer_settings.h): computerLevel, aggressiveness.

#include "ai/computer_moves.h"
#include "ai/computer_settings.h"
#include "ai/master_search.h"
#include "ai/rank_tally.h"
#include "engine/game.h"
#include "engine/meld_checks.h"
#include "engine/seat_moves.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvelo {

// What an initial-meld estimate found: whether the target can be reached, and
// how many natural pairs it pads with a wildcard to get there.
struct TMeldEstimate {
  bool Reachable = false;
  int PairsPadded = 0;
};

// What the Expert's estimate of a first meld found, and how many wildcards its plan uses.
struct TExpertEstimate {
  bool Reachable = false;
  int wildcardsUsed = 0;
};

// The Expert's count of the hand cards that no meld would take.
struct TLooseCards {
  bool ReadyToGoOut = false;
  int Loose = 0;
};

// Canastas the hand could complete with its wildcards, and the hand cards that would take.
struct TReachableCanastas {
  int Count = 0;
  int CardsUsed = 0;
};

// The counts behind an estimate: points reached, hand cards used, pairs padded.
struct TMeldPoints {
  int Points = 0;
  int Cards = 0;
  int PairsPadded = 0;
};

// The strategy's memory, copied and put back as one value. shedRank and
// threeBlocking last for a hand, the others for a turn. The Advanced uses
// threeBlocking as its own brake on going out; the rest belongs to the Expert.
struct TStrategyMemory {
  int shedRank = 0;
  bool threeBlocking = false;
  bool canastaProspect = false;
  int plannedWildcards = 0;
  int wildcardPlan = 0;
  bool aggressiveTurn = false;

  // Per turn.
  int initialMeldTarget = 50;
  // The rank of the pile's top card while a pile decision holds it in the hand, else 0.
  int ProbedTopRank = 0;
  bool opponentHoldsMajority = false;  // the player holds the bulk of the cards and the computer has not melded
  TRankTally Tally;
};

// The computer opponent on the second seat of a local game. One call plays a
// whole turn; the levels share the turn's skeleton and the tallies. It moves
// cards only through the engine's seat moves, and reads only what a player at
// the table could see: its own cards, both sides' melds, the discard pile,
// how many cards the stock and the player's hand hold, and the cards it saw
// the player take with the pile. One exception is by design: the contested-pile
// test counts the jokers, twos and threes in the player's hand
// (PlayerWildcardsAndThreesInHand).
class TComputerPlayer : public TStrategyMemory {
 public:
  explicit TComputerPlayer(TGame& game) : Game(game) {}

  TGame& Game;
  // With CheckLegality each laying step is judged as the player's own turn
  // would be; a step that would leave melds the player could not leave is
  // not made (it is tried out unseen first), and MoveSkipped hears what and why.
  // It hears too of each move the rules refuse.
  std::function<void(const std::string&)> MoveSkipped;
  TComputerMoves Moves{Game, MoveSkipped};  // its cards move as moves of its seat
  TComputerSettings Settings;               // the level in force for the current game
  bool CheckLegality = false;
  // Hears what each of the Master's searches found.
  std::function<void(const TSearchReport&)> SearchDone;

  // Plays the computer's turn at the level in force; the network level plays nothing.
  void playComputerTurn();

  // --- Shared primitives
  void recountTallies() { Tally = CountRanks(Game); }
  void meldNaturals(int rank, int limit);
  // The pile's top card may be taken: the rules allow it (engine/seat_rules.h)
  // and the computer's own caution does not hold it back.
  bool canTakeDiscardPile();
  int findInHand(int rank) const;
  // canTakeDiscardPile without the exhausted stock's permission, which gives only the top card.
  bool MayTakeWholePile();

  // --- Shared steps of the levels
  bool HasMelded() const { return Game.Table.OpponentMeldValue > 0; }
  bool HasCanastasNeeded() const { return Game.Table.OpponentCanastas.Count >= Game.Rules.NumberOfCanastas; }
  bool PileFrozenForComputer() const { return Game.IsPileFrozen(Seat::Opponent); }
  int wildcardsInMeld(int rank) const;
  // The canasta hunt of a pile decision (the top card counted in the hand):
  // some rank could become a canasta with the pile's cards.
  bool CanastaHuntQualifies(int topRank, int plannedWild);
  // Lays naturals of ranks it has melded or holds three of, within a budget of
  // cards; with keepOneBack a rank that would use the budget up exactly keeps one card.
  void LayNaturalsWithin(int budget, bool keepOneBack = false);
  // Lays the last cards, pairs with a wildcard and spare wildcards, when the hand allows going out.
  void finishGoingOut();
  void advancedBuildCanastas();

  // --- Expert level
  void expertTurn();
  // The values every Expert turn starts from: the aggressive turn, the player's majority.
  void ExpertSetUp();
  bool expertPileDecision();
  TLooseCards looseCards();
  bool canastaProspectNow();
  TExpertEstimate initialMeldEstimate(int topRank, bool prospect, bool strict);
  bool canSpare(int rank);
  bool pileContested();
  void expertTakeMeld(int topRank);
  void completeInitialMeld();
  void layNaturalCanastas();
  void buildCanastas();
  // Lays naturals within the Expert's budget; keepTwo keeps two cards in the hand.
  void layNaturals(bool keepTwo);
  void FinishGoingOutStep();  // layNaturals(false) and finishGoingOut
  TReachableCanastas reachableCanastas();
  bool goingOutPays() const;
  void tryGoOutAggressively();
  void expertMeldStep();
  // A hand index, or DiscardFromMelds for a red three taken back from the meld area.
  // Like every discard choice it only chooses: no card moves until its move is made.
  int expertChooseDiscard();
  static constexpr int DiscardFromMelds = -2;
  // The move a discard choice names: a hand card, or the first red three of the melds onto the pile.
  TMove DiscardMove(int index) const;

  // --- Master level
  void MasterTurn();

  // --- Advanced level
  void advancedTurn();
  bool advancedPileDecision();
  TMeldEstimate advancedInitialMeldEstimate();
  int canastaFromHand();  // the rank, or 0
  void advancedCompleteInitialMeld();
  int advancedChooseDiscard();  // a hand index

  // --- Beginner level
  void beginnerTurn();
  bool beginnerPileDecision();
  TMeldEstimate beginnerInitialMeldEstimate();
  void layRankFromHand(const TCard& card);
  void beginnerCompleteInitialMeld();
  void beginnerLayNaturals();
  void beginnerFinishGoingOut();
  int beginnerChooseDiscard();  // a hand index, or -1 with nothing to discard

 private:
  // What the turn has done so far: the minimum of a first meld and the pile's take depend on it.
  struct TTurnProgress {
    bool TookPile = false;
    bool TakingPile = false;  // the top card is taken, the rest of the pile not yet
    TCard TakenTop;
    int MeldValueAtTurnStart = 0;
  };

  using TChooseDiscard = int (TComputerPlayer::*)();
  using TLayRank = void (TComputerPlayer::*)(int rank);
  using TMeldTaken = void (TComputerPlayer::*)(const TCard& top);

  // The steps in which the levels differ.
  struct TLevelSteps {
    void (TComputerPlayer::*SetUp)();  // may be null
    bool ThawBeforeMeld;               // the pile's freeze is lifted before the top card is laid
    bool (TComputerPlayer::*PileDecision)();
    TMeldTaken MeldTaken;      // the top card's melds after taking the pile
    TLayRank LayExhaustedTop;  // laying the top card taken with the stock exhausted
    void (TComputerPlayer::*MeldStep)();
    TChooseDiscard ChooseDiscard;
  };

  class TRehearsal;
  friend class TMasterSearch;

  // --- The Master's steps
  static TLevelSteps ExpertLevelSteps();
  int Aggressiveness() const;
  // The best of the candidates; with alikeFirst, the first when the first two make the same turn.
  int Search(int candidates, const TMasterSearch::TCandidateTurn& play, bool alikeFirst = false);
  bool MasterPileDecision();
  void MasterMeldStep();
  int MasterChooseDiscard();
  std::vector<int> DiscardCandidates(int expertChoice) const;
  // The strategy's memory and the turn's values, for a copy that plays on in the Master's head.
  void CopyStrategyFrom(const TComputerPlayer& other);

  // --- Legality of the steps
  // Runs a step; with CheckLegality, first tries it out unseen and skips it when it
  // would leave a fault that was not there before (or a pile take the player could
  // not complete). False when skipped.
  bool Guarded(const char* what, const std::function<void()>& step, const std::function<std::string()>& takeFault = {});
  // The fault a step would leave, found on the table unseen and put back after.
  std::string Rehearse(const std::function<void()>& step, const std::function<std::string()>& takeFault);
  int TurnMinimum() const;
  TPileTakeDemand PileTakeDemand(const TCard& top);

  // --- The turn's skeleton
  void PlayTurn(const TLevelSteps& level);
  // The rest of a turn once the pile is decided on: taking it or drawing, then melding on.
  void PlayTurnAfterPileDecision(const TLevelSteps& level, bool takePile);
  // The meld step, the discard and the end of the turn.
  void PlayTurnFromMeldStep(const TLevelSteps& level);
  void ForgetFinishedHand();
  void SetBusy(bool busy);
  // drawn: the turn is taken over after its draw.
  void BeginTurn(bool drawn);
  bool StockExhausted() const;
  // The computer's caution beyond the rules: a take that starts a new meld, or
  // needs two naturals from the hand while the canastas to go out are missing,
  // must leave more than three cards to go on with.
  bool LeavesCardsToGoOn();
  // With the stock exhausted: the top card laid onto its meld, or the hand ended by the computer itself (also
  // when its forced take is skipped as illegal, which the EndHand move refuses). False: the turn is over.
  bool PlayExhaustedStock(TLayRank layTaken);
  // The taking step: the top card, the level's melds with it, the rest of the pile.
  bool TakePile(const TLevelSteps& level);
  // thaw: the pile's freeze is lifted, with a pause, before the top card comes.
  TCard TakePileTop(bool thaw);
  // The move that ends the turn: the discard passed, or the card the level
  // chooses; none when the hand is out by melding or has nothing to discard.
  std::optional<TMove> TurnEndMove(TChooseDiscard choose);
  // Ends the turn with its last move, which hands the turn over; without one,
  // or with one the rules refuse, the turn ends here all the same.
  void FinishTurn(const std::optional<TMove>& last);
  void EndTurn();
  void HandTurnBackAfterFault();

  // --- Steps of the levels
  // The first meld within reach of the hand: natural triples, then pairs padded with a wildcard.
  TMeldPoints InitialMeldPoints();
  void LayFirstMeld(int pairsPadded, TLayRank layRank);
  int HighestPairBelow(int rank);
  int FirstRankOfAtLeastThree();
  void LayWholeRank(int rank);
  int CardsToLay(int rank, int limit);
  void LayRankOf(int rank);
  void LayBlackThrees();
  void HandOutWildcards(int count);
  bool HasWildcardInHand() const;
  int LowestCanastaTakingWildcard();
  int BlackThreesInHand() const;
  int PairsInHand() const;  // from the tallies
  void AdvancedMeldTakenCard(const TCard& top);
  void AdvancedMeldStep();
  void AdvancedGoOutStep();
  int AdvancedDiscardOnBigPile();
  int AdvancedDiscardOnSmallPile();
  int WildcardToThrow() const;  // a two, else a joker
  bool PlayerMeldTakesNoMore(int rank) const;
  bool WildcardsToReachTarget(int& wildcards);
  // The start of a pile decision: the top card, when the computer may take the pile.
  std::optional<TCard> PileTopToTry();
  void BeginnerMeldTakenCard(const TCard& top);
  void BeginnerMeldStep();
  void PadFirstMeld();
  int BeginnerSafeRank() const;

  // Expert steps
  void ExpertMeldTakenCard(const TCard& top);
  void ExpertLayExhaustedTop(int rank);
  bool ExpertThreeBlockingTake(bool ok, int looseBefore, int looseAfter, int topRank);
  bool ExpertHuntOrBuildTake(bool ok, int looseBefore, int looseAfter, int topRank);
  bool ExpertRankRuleTake(bool ok, int topRank);
  int LooseWithWholePile();
  int PlayerWildcardsAndThreesInHand() const;  // reads the player's hidden hand, by design
  int WildcardsAndThreesTakenByPlayer() const;
  bool NearCanasta() const;
  bool WantsWildcardsForCanastas();
  void AddWildcardsTowardTarget();
  bool GoingOutConsidered() const;
  void ExpertGoOutStep();
  void ExpertEndgameBuilding();
  void ExpertTwoCanastaBuilding();
  // Discard choice
  int DiscardBlackThree() const;
  int UrgentDiscard(bool jokerPreferred);
  int ChosenDiscard(bool jokerPreferred);
  int DiscardWildcard(bool jokerPreferred) const;
  int RedThreeFreeze() const;
  int ContestedPileDiscard(bool jokerPreferred);
  int SpareSafeRank();
  int WildcardFreeze(bool jokerPreferred) const;
  int SafestRankDiscard();
  int SafestOfTotal(const std::vector<int>& ranks);
  bool FeedsPlayer(int rank) const;
  int HighestRankInHand() const;
  int DiscardOfLastResort() const;
  int LastCardGuard(int index);

  std::string handSeen_;  // the deal string of the hand the strategy memory belongs to
  bool busy_ = false;
  TTurnProgress turn_;
};

// Adds a card to the computer's hand for a decision and takes it out again when it ends.
class THandProbe {
 public:
  // Without a card: the decision changes the hand itself, which is put back when it ends.
  explicit THandProbe(TComputerPlayer& computer);
  THandProbe(TComputerPlayer& computer, const TCard& card);
  ~THandProbe();
  THandProbe(const THandProbe&) = delete;
  THandProbe& operator=(const THandProbe&) = delete;

 private:
  TComputerPlayer& computer_;
  TCardArea saved_;
};

}  // namespace tarvelo
