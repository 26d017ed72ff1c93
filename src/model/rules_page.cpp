#include "model/rules_page.h"

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>

#include "model/catalog.h"
#include "model/deal_cards_codes.h"
#include "model/families.h"
#include "model/games_file.h"
#include "model/rule_index.h"
#include "model/rules_page_scoring.h"

namespace vis {

namespace {

class Rules {
public:
    explicit Rules(const std::vector<int>& values) : values_(values) {}
    int operator[](int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < values_.size()
                   ? values_[static_cast<std::size_t>(index)]
                   : 0;
    }

private:
    const std::vector<int>& values_;
};

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string CountWord(int n) {
    static constexpr std::array<std::string_view, 13> kWords{
        "no",    "one",   "two",  "three", "four",   "five",  "six",
        "seven", "eight", "nine", "ten",   "eleven", "twelve"};
    return n >= 0 && n < static_cast<int>(kWords.size())
               ? std::string(kWords[static_cast<std::size_t>(n)])
               : std::to_string(n);
}

std::string Plural(int n, const std::string& one, const std::string& many) {
    return CountWord(n) + " " + (n == 1 ? one : many);
}

std::string RankName(int rank) {
    switch (rank) {
        case 1:
            return "Ace";
        case 11:
            return "Jack";
        case 12:
            return "Queen";
        case 13:
            return "King";
        default:
            return std::to_string(rank);
    }
}

// "an Ace", "a King", "a 7".
std::string RankArticle(int rank) {
    return (rank == 1 || rank == 8 ? "an " : "a ") + RankName(rank);
}

std::string DirectionText(int direction) {
    switch (direction) {
        case 0:
            return "down";
        case 1:
            return "up";
        default:
            return "up or down";
    }
}

// Building codes this page can put in words; the others are checks of
// the game's own.
bool IsDescribedBuilding(int code) {
    switch (code) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 6:
        case 12:
        case 21:
        case 22:
        case 31:
        case 32:
        case 34:
            return true;
        default:
            return false;
    }
}

// Codes whose building follows the common rule of ranks, where a King and
// an Ace may follow each other.
bool IsCommonBuilding(int code) {
    return code == 0 || code == 1 || code == 2 || code == 3 || code == 21;
}

// How a pile of the given building code and direction builds, as an
// imperative ("build down in suit").
std::string BuildingText(int code, int direction) {
    const std::string dir = DirectionText(direction);
    switch (code) {
        case 0:
            return "build " + dir + " in suit";
        case 1:
            return "build " + dir + " in the same colour";
        case 2:
            return "build " + dir + " regardless of suit";
        case 3:
            return "build " + dir + " in alternate colours";
        case 4:
            return "no card can be placed";
        case 6:
            return "no card can be placed on another; an empty pile is filled as said below";
        case 12:
            return "any card can be placed";
        case 21:
            return "build " + dir + " in any other suit";
        case 31:
            return "build down in suit";
        case 32:
            return "build up in suit";
        case 34:
            return "build down regardless of suit";
        default:
            return "cards are placed by the game's special rule";
    }
}

std::string BaseText(int base) {
    if (base >= 1 && base <= 13) return "starting from the " + RankName(base);
    if (base == -1) return "starting from any card";
    return "starting from a card decided by the deal";
}

std::string FillText(int fill, bool runsMove) {
    if (fill == empty_pile::kAnyCard) return runsMove ? "any card or sequence" : "any card";
    if (fill == empty_pile::kBelowFirstBase)
        return "a card one rank below the foundations' first card (a King when they start from "
               "the Ace)";
    if (fill >= 1 && fill <= 13) return "a " + RankName(fill) + " only";
    return "cards as the game's special rule says";
}

std::string Capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

// Piles next to each other that read the same.
struct PileGroup {
    int first;
    int last;
    std::string phrase;
};

std::vector<PileGroup> GroupPiles(int count, const std::function<std::string(int)>& describe) {
    std::vector<PileGroup> groups;
    for (int i = 0; i < count; ++i) {
        std::string phrase = describe(i);
        if (!groups.empty() && groups.back().phrase == phrase)
            groups.back().last = i;
        else
            groups.push_back({i, i, std::move(phrase)});
    }
    return groups;
}

// What a sentence about a group of piles calls them.
struct PileSubject {
    std::string text;  // "all seven tableau piles", "tableau piles 1 to 4", "the reserve"
    bool whole;        // every pile of the kind
    bool several;
};

PileSubject SubjectOf(const PileGroup& group, int count, const std::string& kind) {
    if (group.first == 0 && group.last == count - 1) {
        if (count == 1) return {"the " + kind, true, false};
        return {"all " + CountWord(count) + " " + kind + "s", true, true};
    }
    if (group.first == group.last)
        return {kind + " " + std::to_string(group.first + 1), false, false};
    const std::string joint = group.last == group.first + 1 ? " and " : " to ";
    return {kind + "s " + std::to_string(group.first + 1) + joint + std::to_string(group.last + 1),
            false, true};
}

using Sentence = std::function<std::string(const PileSubject&, const std::string&)>;

void DescribePiles(std::string& html, int count, const std::string& kind,
                   const std::function<std::string(int)>& describe, const Sentence& sentence) {
    for (const PileGroup& group : GroupPiles(count, describe))
        html += "<li>" + Capitalized(sentence(SubjectOf(group, count, kind), group.phrase)) +
                ".</li>\n";
}

std::string Receives(const PileSubject& subject, const std::string& phrase) {
    if (subject.whole && subject.several)
        return "each of the " + subject.text.substr(4) + " receives " + phrase;
    return subject.text + (subject.several ? " each receive " : " receives ") + phrase;
}

std::string BuildsOn(const PileSubject& subject, const std::string& phrase) {
    return "on " + subject.text + ", " + phrase;
}

std::string DeckText(const Rules& r) {
    const int size = r[rule::kDeckSize];
    std::string text = size == 52    ? "one deck of 52 cards"
                       : size == 104 ? "two decks of 52 cards (104 cards)"
                                     : std::to_string(size) + " cards";
    if (r[rule::kJokersInDeck] == 1 && r[rule::kJokerCount] > 0)
        text += " and " + Plural(r[rule::kJokerCount], "joker", "jokers");
    return text;
}

std::string DealtText(int cards, int faceUp) {
    if (cards > 1000) return "one chosen card, face up";
    std::string text = Plural(cards, "card", "cards");
    if (cards <= 0) return text;
    if (faceUp < 0) return text + ", some face up and some face down";
    if (faceUp >= cards) return text + (cards == 1 ? ", face up" : ", all face up");
    if (faceUp == 0) return text + (cards == 1 ? ", face down" : ", all face down");
    if (faceUp == 1) return text + ", the top one face up";
    return text + ", the top " + CountWord(faceUp) + " face up";
}

// What the deal puts on the foundations, as a list item; empty when nothing.
std::string FoundationStartText(const Rules& r) {
    const int count = r[rule::kFoundationCount];
    if (count <= 0) return {};
    const int first = r[rule::kFoundationStart];
    bool same = true;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        if (r[rule::kFoundationStart + i] != first) same = false;
        if (r[rule::kFoundationStart + i] != deal_code::kNoStartCard) any = true;
    }
    if (!any) return {};
    if (same && first == deal_code::kAceStarts)
        return "<li>The Aces are taken out and put on the foundations.</li>\n";
    if (same && (first == deal_code::kAcesHomeAll || first == deal_code::kAcesHomeOwnPile))
        return "<li>The Aces are taken out and put on the foundations; after the deal every card "
               "that can follow them there is played.</li>\n";
    return "<li>Some foundations receive their first card at the deal.</li>\n";
}

// The deals that lay the cards out in one line, a new pile opening at each
// card of the rank that starts a pile.
std::string LineDealText(int arrangement) {
    const std::string opener = arrangement == deal_code::kRowsFromKings ? "King" : "Queen";
    return "<li>The cards are dealt face up in one line: the first " + opener +
           " starts tableau pile 1 and every further " + opener +
           " starts the next pile. Cards that can go to the foundations at once are played "
           "there.</li>\n";
}

void DescribeDeal(std::string& html, const Rules& r) {
    html += "<h2>The deal</h2>\n<ul>\n";
    html += "<li>The game is played with " + DeckText(r) + ".</li>\n";
    const int arrangement = r[rule::kDealArrangement];
    const bool lineDeal =
        arrangement == deal_code::kRowsFromKings || arrangement == deal_code::kRowsFromQueens;
    if (!lineDeal)
        DescribePiles(
            html, r[rule::kTableauCount], "tableau pile",
            [&](int i) {
                return DealtText(r[rule::kTableauCards + i], r[rule::kTableauFaceUp + i]);
            },
            Receives);
    const int reserves = r[rule::kReserveCount];
    bool cells = reserves > 0;
    int dealtCells = 0;
    for (int i = 0; i < reserves; ++i) {
        const int cards = r[rule::kReserveCards + i];
        if (cards > 1 || r[rule::kReserveRule + i] != 0) cells = false;
        dealtCells += cards;
    }
    if (cells) {
        html += "<li>There " + std::string(reserves == 1 ? "is " : "are ") +
                Plural(reserves, "free cell", "free cells") + ", each holding one card at a time";
        if (dealtCells > 0) html += "; " + CountWord(dealtCells) + " of them start with a card";
        html += ".</li>\n";
    } else {
        DescribePiles(
            html, reserves, "reserve",
            [&](int i) {
                return DealtText(r[rule::kReserveCards + i], r[rule::kReserveFaceUp + i]);
            },
            Receives);
    }
    html += FoundationStartText(r);
    if (lineDeal) html += LineDealText(arrangement);
    if (r[rule::kHasStock] != 0 && r[rule::kStockCards] > 0)
        html += "<li>The remaining " + std::to_string(r[rule::kStockCards]) +
                " cards form the stock.</li>\n";
    html += "</ul>\n";
}

void DescribeFoundations(std::string& html, const Rules& r) {
    const int count = r[rule::kFoundationCount];
    if (count <= 0) return;
    html += "<h2>Foundations</h2>\n<ul>\n";
    DescribePiles(
        html, count, "foundation",
        [&](int i) {
            const int code = r[rule::kFoundationBuilding + i];
            if (code == 4)
                return std::string("only a complete sequence from King down to Ace is put");
            if (code == building::kSuitLedFromTableau)
                return std::string(
                    "a top card other than an Ace is discarded when a higher card of its suit, or "
                    "the Ace of its suit, tops another tableau pile");
            if (!IsDescribedBuilding(code)) return BuildingText(code, 0);
            const int direction = r[rule::kFoundationDirection + i];
            const int base = r[rule::kFoundationBase + i];
            std::string text = BuildingText(code, direction) + ", " + BaseText(base);
            // A foundation ends at the King (going up) only when it starts
            // from the Ace; otherwise it turns the corner.
            if (IsCommonBuilding(code) && direction == 1 && base != 1)
                text += ", an Ace following a King";
            else if (IsCommonBuilding(code) && direction == 0 && base != 13)
                text += ", a King following an Ace";
            return text;
        },
        BuildsOn);
    // A winning score ends the game before the last cards are home.
    if (const int target = r[rule::kWinningScore]; target != 0)
        html += "<li>The game is won when the score reaches " + std::to_string(target) +
                ".</li>\n</ul>\n";
    else
        html += "<li>The game is won when every card has reached the foundations.</li>\n</ul>\n";
}

std::string MoveUnitText(const Rules& r) {
    const int unit = r[rule::kMoveUnitLimit];
    if (unit == 1) return "Only one card is moved at a time.";
    if (unit > 1) return "At most " + CountWord(unit) + " cards are moved at a time.";
    if (unit == 0) return {};
    const int check = r[rule::kRunCheck];
    const std::string group = check == 1    ? "a sequence built by the pile's rule"
                              : check == 10 ? "a sequence in one suit"
                                            : "any group of face-up cards";
    switch (unit) {
        case -1:
            return Capitalized(group) + " can be moved as a unit.";
        // Free cells and empty piles add up; they do not multiply.
        case -5:
            return Capitalized(group) +
                   " can be moved as a unit when it has at most one card more than there are "
                   "free cells and empty tableau piles together; into an empty pile, no more "
                   "cards than there are free cells and empty tableau piles.";
        case -6:
            return Capitalized(group) +
                   " can be moved as a unit when it has at most one card more than there are "
                   "free cells; while a tableau pile is empty, no more cards than there are free "
                   "cells and empty tableau piles together.";
        case -12:
            return "One card can be moved, or " + group + " with a King at its base.";
        case -13:
            return "One card can be moved, or a whole pile.";
        default:
            return Capitalized(group) +
                   " can be moved as a unit, as long as it has no more cards than there are "
                   "empty tableau piles (at least one).";
    }
}

// What a tableau pile building down (or up) says about the ends of the
// ranks: a King may go on an Ace (an Ace on a King) unless the foundations
// start from the Ace or take nothing, and without a wrap nothing goes on a
// card of the first foundation's base rank.
std::string TableauEndsText(const Rules& r, int i) {
    const int code = r[rule::kTableauBuilding + i];
    const int direction = r[rule::kTableauDirection + i];
    if (!IsCommonBuilding(code) || (direction != 0 && direction != 1)) return {};
    const bool wraps = r[rule::kTableauWrap + i] > 0;
    const int base = r[rule::kFoundationBase];
    const bool down = direction == 0;
    const std::string turn = down ? ", a King on an Ace" : ", an Ace on a King";
    if (wraps) return turn;
    if (base == -1) return turn;
    if (empty_pile::IsAceBaseCode(base)) return {};
    if (base == 1 || base == 13) {
        // The end rank of the foundations: only the turn at the other end.
        const bool turnBlocked = down ? base == 1 : base == 13;
        return turnBlocked ? std::string() : turn + ", nothing on " + RankArticle(base);
    }
    if (base >= 2 && base <= 12) return turn + ", but nothing on " + RankArticle(base);
    return turn + ", but nothing on a card of the foundations' base rank";
}

// Whether tableau cards can move in groups at all.
bool RunsMove(const Rules& r) {
    const int unit = r[rule::kMoveUnitLimit];
    return unit < 0 || unit > 1;
}

void DescribeTableau(std::string& html, const Rules& r) {
    const int count = r[rule::kTableauCount];
    if (count <= 0) return;
    html += "<h2>Building on the tableau</h2>\n<ul>\n";
    DescribePiles(
        html, count, "tableau pile",
        [&](int i) {
            return BuildingText(r[rule::kTableauBuilding + i], r[rule::kTableauDirection + i]) +
                   TableauEndsText(r, i);
        },
        BuildsOn);
    if (const std::string moves = MoveUnitText(r); !moves.empty())
        html += "<li>" + moves + "</li>\n";
    html += "</ul>\n<h2>Empty piles</h2>\n<ul>\n";
    const bool runsMove = RunsMove(r);
    DescribePiles(
        html, count, "tableau pile",
        [&](int i) {
            const int fill = r[rule::kTableauEmpty + i];
            return fill == empty_pile::kNone ? std::string() : FillText(fill, runsMove);
        },
        [](const PileSubject& subject, const std::string& phrase) {
            if (phrase.empty())
                return subject.whole
                           ? std::string(subject.several
                                             ? "an empty tableau pile stays empty"
                                             : "the tableau pile, once empty, stays empty")
                           : subject.text + (subject.several ? " stay" : " stays") +
                                 " empty once emptied";
            if (subject.whole)
                return std::string(subject.several ? "an empty tableau pile"
                                                   : "the tableau pile, when empty,") +
                       " can be filled with " + phrase;
            return subject.text + ", when empty, can be filled with " + phrase;
        });
    if (r[rule::kAutoFillTableau] == gap_fill::kFromFirstReserve)
        html +=
            "<li>While the reserve holds cards, its top card fills an empty tableau pile at "
            "once.</li>\n";
    else if (r[rule::kAutoFillTableau] != 0)
        html += "<li>Empty tableau piles are filled at once by the game's own rule.</li>\n";
    html += "</ul>\n";
}

// What a press on the empty stock gathers and deals again.
std::string GatheringText(const Rules& r) {
    const int type = r[rule::kGatheringRedeal];
    if (!gathering::DealsBackToTableau(type))
        return "A press on the empty stock gathers the cards by the game's own rule for a new "
               "pass.";
    std::string text =
        "A press on the empty stock gathers the cards of the tableau piles, mixes them and deals "
        "them out again";
    const int perPile = r[rule::kTableauCards];
    if (gathering::FillsEachPile(type) && perPile > 1)
        text += ", " + CountWord(perPile) + " to a pile";
    return text + ".";
}

void DescribeStock(std::string& html, const Rules& r) {
    if (r[rule::kHasStock] == 0) return;
    html += "<h2>Stock and redeals</h2>\n<ul>\n";
    const int count = r[rule::kTableauCount];
    int receiving = 0;
    for (int i = 0; i < count; ++i) {
        const int code = r[rule::kTableauStockDeal + i];
        if (code >= stock_deal::kFirstTaking && code <= stock_deal::kLastTaking) ++receiving;
    }
    const bool dealsCards = r[rule::kStockCards] > 0;
    if (dealsCards && receiving > 0) {
        html += "<li>Each press on the stock deals one card onto each of " + CountWord(receiving) +
                " tableau piles: " + CountWord(receiving) + " cards per stock press";
        const int action = r[rule::kTableauStockDeal] != 0
                               ? r[rule::kTableauStockDeal]
                               : r[rule::kTableauStockDeal + std::max(0, count - 1)];
        if (action == stock_deal::kToFullTableau)
            html += ", and only when no tableau pile is empty";
        html += ".</li>\n";
    } else if (dealsCards && r[rule::kHasWaste] != 0) {
        html += "<li>Each press on the stock turns " +
                Plural(r[rule::kCardsPerPress], "card", "cards") +
                " onto the waste; the top card of the waste can be played.</li>\n";
    }
    const bool gathers = r[rule::kGatheringRedeal] > 0;
    // Without a waste to turn over or a gathering, the stock is dealt once.
    const bool redeals = gathers || r[rule::kHasWaste] != 0;
    const int passes = r[rule::kPasses];
    if (!redeals || (passes >= 0 && passes <= 1)) {
        html += dealsCards ? "<li>There is no redeal: the stock is gone through only once.</li>\n"
                           : "<li>There is no redeal.</li>\n";
    } else {
        if (gathers) html += "<li>" + GatheringText(r) + "</li>\n";
        if (passes == -1)
            html += "<li>You may redeal as often as you like.</li>\n";
        else
            html += "<li>" + Capitalized(Plural(passes - 1, "redeal is", "redeals are")) +
                    " allowed (" + CountWord(passes) + " passes" +
                    (dealsCards ? " through the stock" : "") + ").</li>\n";
    }
    html += "</ul>\n";
}

bool HasSpecialBuilding(const Rules& r) {
    for (int i = 0; i < r[rule::kFoundationCount]; ++i)
        if (!IsDescribedBuilding(r[rule::kFoundationBuilding + i])) return true;
    for (int i = 0; i < r[rule::kTableauCount]; ++i)
        if (!IsDescribedBuilding(r[rule::kTableauBuilding + i])) return true;
    return false;
}

// Families whose play the numbers above do not tell.
void DescribeSpecialPlay(std::string& html, const Rules& r) {
    const FamilyTraits& family = TraitsOf(r[rule::kFamily]);
    std::string text;
    if (family.discardsByRank) {
        text =
            "A face-up tableau card one rank above or below the top card of the discard pile "
            "can be played onto it";
        text += !family.discardWrapsKingAce ? ". " : "; a King and an Ace also follow each other. ";
        text +=
            "Each press on the stock turns one card onto the discard pile. The game is won when "
            "every card is on the discard pile.";
    } else if (family.family == Family::kClock) {
        text =
            "The thirteen piles stand for the ranks, the Kings' pile last. The turned card goes "
            "under the pile of its rank, whose top card is turned next. The game is lost when "
            "the fourth King turns up while other cards are still out of place.";
    } else if (family.family != Family::kStandard || r[rule::kSelectionGame] != 0 ||
               HasSpecialBuilding(r)) {
        text = "This game also has rules of play of its own that go beyond what is said here.";
    }
    if (text.empty()) return;
    html += "<h2>Play</h2>\n<ul>\n<li>" + text + "</li>\n</ul>\n";
}

}  // namespace

std::string RulesPageHtml(const std::string& name, const std::vector<int>& rules) {
    const Rules r(rules);
    std::string html = "<html><head><title>" + Escape(name) + " rules</title></head><body>\n";
    html += "<h1>" + Escape(name) + "</h1>\n";
    DescribeDeal(html, r);
    DescribeFoundations(html, r);
    DescribeTableau(html, r);
    DescribeStock(html, r);
    DescribeSpecialPlay(html, r);
    html += ScoringSectionHtml(rules);
    html += "</body></html>\n";
    return html;
}

std::string RulesPageHtml(const GameContext& ctx, int game) {
    const std::string name = GameName(ctx, game);
    if (name.empty() || GameColumn(ctx, game) < 0) return {};
    std::vector<int> indices(rule::kRuleCount - 1);
    std::iota(indices.begin(), indices.end(), 1);
    std::vector<int> values = ReadGameRuleValues(ctx, game, indices);
    values.insert(values.begin(), 0);  // rule 0 is not used
    return RulesPageHtml(name, values);
}

}  // namespace vis
