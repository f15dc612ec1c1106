#include "net/protocol/loaded_game_decoder.h"

#include "engine/card_area.h"
#include "engine/game_state.h"
#include "net/protocol/field_codecs.h"

namespace tarvelo::protocol {

namespace {
constexpr int MaxNumber = 999'999'999;

// Reads the values of one section off its front; the first fault stops it.
class TSectionReader {
 public:
  explicit TSectionReader(std::string_view section) : Rest(section) {}

  bool AtEnd() const { return Rest.empty(); }
  const std::string& Fault() const { return FaultText; }

  // One card byte: 33..87 the first pack's ids 1..55, 97..151 the second's.
  std::optional<TWireCard> Card() {
    if (Rest.empty()) return Failed("a card is missing");
    const int code = static_cast<unsigned char>(Rest.front()) - 32;
    Rest.remove_prefix(1);
    const int id = code > 64 ? code - 64 : code;
    if (id < 1 || id > MaxWireCardId) return Failed("the byte " + std::to_string(code + 32) + " names no card");
    return TWireCard{static_cast<CardId>(id), static_cast<std::uint8_t>(code > 64 ? 1 : 0)};
  }
  // A decimal number in [min, max] and the one space after it.
  std::optional<int> Number(int min, int max, const char* what) {
    const size_t space = Rest.find(' ');
    if (space == std::string_view::npos) return Failed(std::string(what) + " lacks its number and space");
    const std::optional<int> value = ReadNumber(Rest.substr(0, space), min, max);
    if (!value)
      return Failed(std::string(what) + " is not a number " + std::to_string(min) + ".." + std::to_string(max));
    Rest.remove_prefix(space + 1);
    return value;
  }
  std::nullopt_t Failed(std::string what) {
    if (FaultText.empty()) FaultText = std::move(what);
    Rest = {};
    return std::nullopt;
  }

 private:
  std::string_view Rest;
  std::string FaultText;
};

bool ReadCards(TSectionReader& reader, std::vector<TWireCard>& cards) {
  while (!reader.AtEnd()) {
    const std::optional<TWireCard> card = reader.Card();
    if (!card) return false;
    if (cards.size() == MaxCards) return reader.Failed("more cards than the packs hold"), false;
    cards.push_back(*card);
  }
  return true;
}

bool ReadPlacedCards(TSectionReader& reader, std::vector<TPlacedWireCard>& cards) {
  while (!reader.AtEnd()) {
    const std::optional<TWireCard> card = reader.Card();
    if (!card) return false;
    if (cards.size() == MaxCards) return reader.Failed("more cards than the packs hold"), false;
    TPlacedWireCard placed{*card, std::nullopt};
    if (RankOf(card->Id) < RankThree) {
      const std::optional<int> column = reader.Number(0, MaxColumn, "a wildcard's column");
      if (!column) return false;
      placed.Column = static_cast<std::uint8_t>(*column);
    }
    cards.push_back(placed);
  }
  return true;
}

bool ReadCanastas(TSectionReader& reader, TWireCanastas& canastas) {
  const std::optional<int> count = reader.Number(0, 13, "the count of canastas");
  if (!count) return false;
  canastas.Count = *count;
  for (std::uint8_t& kind : canastas.Kind) {
    const std::optional<int> value = reader.Number(NoCanasta, WildcardCanasta, "a canasta's kind");
    if (!value) return false;
    kind = static_cast<std::uint8_t>(*value);
  }
  for (std::uint8_t& naturals : canastas.Naturals) {
    const std::optional<int> value = reader.Number(0, MaxCards, "a canasta's naturals");
    if (!value) return false;
    naturals = static_cast<std::uint8_t>(*value);
  }
  if (!reader.AtEnd()) return reader.Failed("more than the canastas' 27 numbers"), false;
  return true;
}

// After a fault the reader holds nothing, so every later number fails too:
// the last one tells whether all were read.
bool ReadState(TSectionReader& reader, TLoadGameMessage& game) {
  const std::optional<int> frozen = reader.Number(0, 1, "the pile's freeze");
  const std::optional<int> phase = reader.Number(0, PhaseCount - 1, "the phase");
  const std::optional<int> pending = reader.Number(0, PhaseCount - 1, "the pending phase");
  const std::optional<int> meldValue = reader.Number(-MaxNumber, MaxNumber, "the meld value");
  const std::optional<int> playerScore = reader.Number(-MaxNumber, MaxNumber, "the sender's score");
  const std::optional<int> opponentScore = reader.Number(-MaxNumber, MaxNumber, "the receiver's score");
  if (!opponentScore) return false;
  if (!reader.AtEnd()) return reader.Failed("more than six numbers"), false;
  game.PileFrozen = *frozen == 1;
  game.Phase = *phase;
  game.PendingPhase = *pending;
  game.MeldValue = *meldValue;
  game.PlayerScore = *playerScore;
  game.OpponentScore = *opponentScore;
  return true;
}

// Reads the section of the given number (1..13) into its place in game.
bool ReadSection(int number, TSectionReader& reader, TLoadGameMessage& game) {
  switch (number) {
    case 1:
      return ReadCards(reader, game.Stock);
    case 2:
      return ReadCards(reader, game.OpponentHand);
    case 3:
      return ReadCards(reader, game.DiscardPile);
    case 4:
      return ReadCards(reader, game.UndoDiscardPile);
    case 5:
      return ReadPlacedCards(reader, game.OpponentMelds);
    case 6:
      return ReadPlacedCards(reader, game.PlayerHand);
    case 7:
      return ReadPlacedCards(reader, game.PlayerMelds);
    case 8:
      return ReadPlacedCards(reader, game.UndoPlayerHand);
    case 9:
      return ReadPlacedCards(reader, game.UndoPlayerMelds);
    case 10:
      return ReadCanastas(reader, game.PlayerCanastas);
    case 11:
      return ReadCanastas(reader, game.OpponentCanastas);
    case 12:
      return ReadCanastas(reader, game.UndoPlayerCanastas);
    default:
      return ReadState(reader, game);
  }
}
}  // namespace

TLoadedGameRead ReadLoadedGame(std::span<const std::string_view> sections) {
  if (sections.size() != LoadedGameSections)
    return {std::nullopt, std::to_string(sections.size()) + " sections, not " + std::to_string(LoadedGameSections)};
  TLoadGameMessage game;
  for (int number = 1; number <= LoadedGameSections; ++number) {
    TSectionReader reader(sections[number - 1]);
    if (!ReadSection(number, reader, game))
      return {std::nullopt, "section " + std::to_string(number) + ": " + reader.Fault()};
  }
  return {game, ""};
}

}  // namespace tarvelo::protocol
