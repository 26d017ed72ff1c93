#include "view/motion/travel_path.h"

#include <algorithm>
#include <cstdlib>

#include "view/motion/motion_timings.h"

namespace vis {

int TravelStep(int distance, bool fast) {
    if (distance <= 0) return 0;
    const double d = distance;
    int step = static_cast<int>(d / (d * motion::kStepGrowth + motion::kStepBase) + 0.5);
    if (fast) step = static_cast<int>(motion::kFastStepShare * step);
    // Short fast hops would round to no step at all and never arrive.
    return std::clamp(step, 1, distance);
}

std::vector<Point> TravelPath(Point from, Point to, bool fast) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int total = alongX ? std::abs(dx) : std::abs(dy);
    const int mainStart = alongX ? from.x : from.y;
    const int mainSign = (alongX ? dx : dy) < 0 ? -1 : 1;
    const int otherStart = alongX ? from.y : from.x;
    const int otherSpan = alongX ? dy : dx;

    std::vector<Point> path;
    const int step = TravelStep(total, fast);
    if (step == 0) return path;
    path.reserve(static_cast<std::size_t>((total + step - 1) / step));
    for (int moved = 0; moved < total;) {
        moved = std::min(total, moved + step);
        const int percent = static_cast<int>(moved * 100.0 / total + 0.5);
        const int main = mainStart + mainSign * moved;
        const int other = otherStart + static_cast<int>(otherSpan * percent / 100.0);
        path.push_back(alongX ? Point{main, other} : Point{other, main});
    }
    return path;
}

}  // namespace vis
