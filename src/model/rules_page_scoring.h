// The "Scoring" section of a game's rules page: how the running score of
// that game starts and what raises it, in words, from the same rule values
// the score is computed from.
#pragma once

#include <string>
#include <vector>

namespace vis {

// `rules` holds the game's values indexed by rule number (missing entries
// read 0). The section is HTML: a heading and one paragraph.
std::string ScoringSectionHtml(const std::vector<int>& rules);

}  // namespace vis
