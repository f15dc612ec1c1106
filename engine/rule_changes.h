#pragma once

#include "engine/rules.h"

namespace tarvelo {

class TGame;

// Puts confirmed rules into force: the game's record takes them, a change of the
// initial freeze freezes or thaws the pile at once, and the game's observer is told.
// The caller has stored them already (StoreRules).
void ApplyRuleChange(TGame& game, const TRuleSettings& rules);

}  // namespace tarvelo
