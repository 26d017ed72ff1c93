#include "model/rules_page_scoring.h"

#include <cstddef>
#include <functional>

#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

std::string Points(int n) {
    return std::to_string(n) + (n == 1 || n == -1 ? " point" : " points");
}

// The common score: five points a card home or discarded, from a start
// that the bonus raises and the deck and its jokers lower.
std::string StandardScoring(int family, const std::function<int(int)>& r) {
    const int start = 5 * r(rule::kScoreValueA) - r(rule::kDeckSize) - 5 * r(rule::kJokerCount);
    const bool home = r(rule::kFoundationCount) > 0;
    const bool discards = TraitsOf(family).discardsByRank || r(rule::kSelectionGame) != 0 ||
                          r(rule::kExtraStockPiles) > 0;
    if (!home && !discards) return "The score stays at " + std::to_string(start) + ".";
    std::string where;
    if (home) where = "every card on the foundations";
    if (home && discards) where += " and ";
    if (discards) where += "every card on the discard pile";
    return "The score starts from " + std::to_string(start) + " and gains 5 points for " + where +
           ", the cards the deal puts there included.";
}

std::string FamilyScoring(int family, const std::function<int(int)>& r) {
    const std::string minusDeck = std::to_string(-r(rule::kDeckSize));
    const std::string memoryStart = std::to_string(-kMemoryScoreDeck);
    switch (FamilyOf(family)) {
        case Family::kPokerGrid:
            return "Each row and each column of the grid that holds five cards scores as a poker "
                   "hand: Royal Flush 100 points, Straight Flush 75, Four of a Kind 50, Full House "
                   "25, Flush 20, Straight 15, Three of a Kind 10, Two Pair 5, One Pair 2. The "
                   "score is the sum of these hands.";
        case Family::kGaps:
            return "The score starts from " +
                   std::to_string(5 * r(rule::kScoreValueA) - r(rule::kDeckSize)) +
                   ". Every tableau pile with a two at its bottom adds 5 points for the two and 5 "
                   "for each card above it that continues its suit upwards by one.";
        case Family::kOrderedBottoms:
            return "The score starts from " + minusDeck +
                   ". Counting from tableau pile 1, each pile whose bottom card is the heart or "
                   "the diamond of the pile's own number (an Ace on pile 1, a two on pile 2 ...) "
                   "adds 10 points, up to the first pile that has another card there.";
        case Family::kDiscardCount:
            return "The score starts from " + minusDeck +
                   " and gains 10 points for every card on the discard pile.";
        case Family::kMemoryAceToKing:
            return "The score starts from " + memoryStart +
                   ". Every card of the rising sequence at the bottom of the reserve is worth 15 "
                   "points, and each time the cards are turned back face down costs 1 point.";
        case Family::kMemoryPairs:
            return "The score starts from " + memoryStart +
                   ". Every pair on the discard pile is worth 10 points, and each time the cards "
                   "are turned back face down costs 2 points.";
        case Family::kMemoryConcentration:
            return "The score starts from " + memoryStart +
                   ". Every pair on the discard pile is worth 7 points, and each time the cards "
                   "are turned back face down costs 1 point.";
        case Family::kMemoryForgetMeNot:
            return "The score starts from " + minusDeck +
                   ". Once all ten tableau piles hold a card, each pile whose bottom card is the "
                   "twin from the other deck of the bottom card of the foundation with its number "
                   "adds 10 points.";
        case Family::kClock:
            return "The score starts from " + minusDeck +
                   " and gains 5 points for every face-up card that lies on the pile of its rank "
                   "(the Aces on pile 1, the twos on pile 2, and so on up to the Kings).";
        case Family::kEmptyFoundations:
            return "The score starts from " + minusDeck +
                   " and gains 20 points for every empty foundation, the first foundation "
                   "excepted.";
        case Family::kLabelledPiles:
            return "The score starts from " + minusDeck +
                   " and gains 5 points for every card whose rank is its pile's bottom rank plus "
                   "its place in the pile (the bottom card counts; a King is followed by an "
                   "Ace).";
        case Family::kNineDown:
            return "The score starts from " + minusDeck +
                   " and gains 225 points for every tableau pile of exactly nine cards that reads "
                   "9 down to Ace from its bottom.";
        case Family::kTopCardsSum:
            return "The score is 150 when the top cards of the tableau piles, up to the first "
                   "empty pile, add up to 91; otherwise it is " +
                   minusDeck + ".";
        case Family::kGapsOffTable:
            return "The score starts from -32. In each row a run of one suit rising from an Ace "
                   "scores 10 points for the two on the Ace and 5 for every further card; a gap "
                   "ends the run.";
        case Family::kDiscardAll:
            return "The score starts from " + minusDeck +
                   " and gains 5 points for every card on the discard pile; once every tableau "
                   "pile is empty it is " +
                   std::to_string(4 * r(rule::kDeckSize)) + ".";
        default:
            return {};
    }
}

}  // namespace

std::string ScoringSectionHtml(const std::vector<int>& rules) {
    const auto r = [&rules](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < rules.size()
                   ? rules[static_cast<std::size_t>(index)]
                   : 0;
    };
    const int family = r(rule::kFamily);
    std::string text = FamilyScoring(family, r);
    if (text.empty()) text = StandardScoring(family, r);
    // With foundations, their section already says so.
    if (const int target = r(rule::kWinningScore); target != 0 && r(rule::kFoundationCount) <= 0)
        text += " The game is won when the score reaches " + Points(target) + ".";
    return "<h2>Scoring</h2>\n<p>" + text + "</p>\n";
}

}  // namespace vis
