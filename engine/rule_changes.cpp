#include "engine/rule_changes.h"

#include "engine/game.h"

namespace tarvelo {

void ApplyRuleChange(TGame& game, const TRuleSettings& rules) {
  const bool freezeChanged = rules.InitialBlock != game.Rules.InitialBlock;
  game.Rules = rules;
  if (freezeChanged) {
    game.Table.PileFrozen = rules.InitialBlock;
    game.RepaintPile();
  }
  game.Report(TRulesReport{rules});
}

}  // namespace tarvelo
