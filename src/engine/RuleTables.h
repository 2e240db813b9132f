#pragma once
// The rule tables: which ordering a rule number produces for each of the three ordering
// strategies, with the row and random phases around them, and which turning variant a variant
// number applies.

#include "Workspace.h"

namespace palvane {

// Number of table rules of each strategy (1..3); 0 for any other strategy.
int RuleTableSize(int strategy);
// Applies the table rule of the strategy at index i; r is the rule number, whose value the
// ranged rows use. An index outside the table shuffles the runs instead.
void ApplyTableRule(PackWorkspace& ws, int strategy, int i, std::int32_t r);
// Orders order.Item (starting from the identity) for the rule number RuleNo: random phase, row
// phase or the table of OrderStrategy.
void ApplyOrderingRule(PackWorkspace& ws);
// Presets orientations for the variant number VariantNo (only when AnyTurn is set).
void ApplyTurnVariant(PackWorkspace& ws);

} // namespace palvane
