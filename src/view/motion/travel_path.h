// The path of a card travelling across the table: fixed steps along the
// longer axis, the other axis following in proportion.
#pragma once

#include <vector>

#include "model/table_layout.h"

namespace vis {

// The step along the main axis of a travel of `distance` pixels; at least
// 1 for any distance above 0, so that every travel ends.
int TravelStep(int distance, bool fast);

// Every position the travel reaches after its start, the target last;
// empty when start and target are the same.
std::vector<Point> TravelPath(Point from, Point to, bool fast);

}  // namespace vis
