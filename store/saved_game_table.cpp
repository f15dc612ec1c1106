#include "store/saved_game_table.h"

#include "engine/table_placement.h"

namespace tarvelo {

void PutSavedGameOnTable(TGame& game, const TSavedGame& saved) { PutTableInPlace(game, saved.Table, saved.SizeIndex); }

}  // namespace tarvelo
