// The shared parts of every building judgement: the stock-and-waste
// restriction, the generic rule (a suit filter and a direction), what an
// empty pile accepts, and the waste-row rule of the row-building games.
#pragma once

#include <optional>

#include "engine/build_situation.h"

namespace vis {

enum class SuitFilter { kAny, kSameSuit, kSameColour, kOtherColour, kNothing };

// Rule 34. A verdict when the restriction decides the question, nothing
// when the judgement goes on.
std::optional<bool> StockWasteRestriction(const BuildSituation& s);

// An empty target by its empty-pile rule, a non-empty one by the suit
// filter and the pile's direction.
bool GenericRule(const BuildSituation& s, SuitFilter filter);

// What an empty target accepts under its empty-pile rule.
bool EmptyPileAccepts(const BuildSituation& s);

// The card may go up or down onto the top card, by the pile's direction.
bool DirectionAllows(const BuildSituation& s);

// The row games that fill their tableau from the waste: a card of `rank`
// opens the first empty pile; any other card extends the row of filled
// piles from its end.
bool WasteRowAccepts(const BuildSituation& s, int rank);

}  // namespace vis
