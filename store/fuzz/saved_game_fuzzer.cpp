// Any bytes as a saved-game file. Reading must never crash; a file that reads
// must be a whole table that goes onto a game at every window size, and at its
// own size it must write and read back to the same table.
#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/silent_host.h"
#include "store/saved_game_table.h"
#include "store/tests/saved_game_fixture.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace tarvelo;

namespace {
[[noreturn]] void Finding(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TSilentHost host;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const TReadResult read = ReadSavedGame(text, TTableState{});
  if (read.Fault != TReadFault::None) return 0;
  if (const std::string fault = CheckCardConservation(read.Game.Table); !fault.empty())
    Finding("a table read with cards amiss", fault);
  for (int windowSize = 0; windowSize < WindowSizeCount; ++windowSize) {
    TGame game(host);
    game.Layout = ComputeLayout(windowSize);
    game.ResetAnchors();
    PutSavedGameOnTable(game, read.Game);
    if (const std::string fault = CheckCardConservation(game.Table); !fault.empty())
      Finding("a table loaded with cards amiss", fault);
    if (windowSize != read.Game.SizeIndex) continue;
    const TReadResult again = ReadSavedGame(WriteSavedGame(game.Table, windowSize, FixedSeed(0)), TTableState{});
    if (again.Fault != TReadFault::None) Finding("a loaded table that does not save", again.Detail);
    if (const std::string difference = FileFieldDifference(again.Game.Table, game.Table); !difference.empty())
      Finding("a loaded table that saves differently", difference);
  }
  return 0;
}
