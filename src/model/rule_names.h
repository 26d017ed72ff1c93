// The readable names of the rule indices, as the game definitions spell
// them. A per-pile rule has one name for all its piles; its entries are the
// base index plus the 0-based pile index.
#pragma once

#include <span>
#include <string_view>

namespace vis {

// The pile kind whose count sizes a per-pile rule.
enum class PileGroup { kNone, kFoundations, kTableau, kReserves };

struct RuleName {
    std::string_view name;
    int index = 0;  // the rule, or the base index of a per-pile rule
    PileGroup group = PileGroup::kNone;
};

// Every named rule, in index order. Indices the engine never reads have no
// name and so cannot be set.
std::span<const RuleName> AllRuleNames();

// The rule of that name, letter case ignored; null when there is none.
const RuleName* FindRuleName(std::string_view name);

// The named rule that covers an index (for per-pile rules any entry of the
// range); null for an index without a name.
const RuleName* RuleNameOfIndex(int index);

// Room for piles of a kind (16, 28, 8), and the rule that holds how many of
// them a game uses.
int PileGroupCapacity(PileGroup group);
int PileGroupCountRule(PileGroup group);
// "foundations", "tableau piles", "reserves".
std::string_view PileGroupWord(PileGroup group);

}  // namespace vis
