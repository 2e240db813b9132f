#pragma once
// The container layout search: packs many orderings of the items offered to one container
// floor (rule tables, turning variants, turn modes, both corner directions, then random
// improvements of the best ordering), scores every pass and keeps the best. Per container the
// driver calls ResetSearch, fills the inputs, then PrepareSearch and SearchContainer.

#include <cstdint>

#include "Workspace.h"

namespace palvane {

// Search defaults before the driver fills the inputs; empties the item table.
void ResetSearch(PackWorkspace& ws);
// Per-container setup: seed, turning, minimums, module, kind runs, group keys, strategy and the
// rule, variant and improvement budgets.
void PrepareSearch(PackWorkspace& ws);
// Runs the search. Afterwards SearchScore and the Pass* fields describe the best pass, the item
// table holds its layout in position order, and StopFlag is set when time ran out or the user
// aborted.
void SearchContainer(PackWorkspace& ws);
// Scores the pass in the item table into SearchScore.
void ScorePass(PackWorkspace& ws);

// Signature of the current orientations (duplicate turning variants share it).
std::int64_t VariantSignature(const SearchState& s);
// Signature pair of the current ordering; with rowsOnly, only items of full rows count.
struct RuleSignature {
    std::int64_t a = 0, b = 0;
    bool operator==(const RuleSignature&) const = default;
};
RuleSignature OrderingSignature(const SearchState& s, bool rowsOnly);

// Planned passes of the search as the progress bar counts them.
std::int64_t PlannedPasses(const SearchState& s);

} // namespace palvane
