// The "Scoring" paragraph of every rules page against the score the engine
// gives: what the page says a game starts from is what a fresh deal shows.
#include <gtest/gtest.h>

#include <regex>

#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/rule_index.h"
#include "model/rules_page.h"
#include "model/rules_page_scoring.h"
#include "support/shipped_games.h"

namespace vis {
namespace {

class RulesPageScoringTest : public test::ShippedGamesTest {
protected:
    // Deals `game` with `dealNumber` through the real engine.
    void Deal(int game, const std::string& dealNumber) {
        // As the program runs: the standard scoring scheme, and the last
        // deal left behind without a question.
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.flags[Flag::kGameInProgress] = false;
        ASSERT_TRUE(StartGame(ctx, hooks,
                              {.number = game,
                               .name = GameName(ctx, game),
                               .player = "",
                               .persist = false,
                               .dealNumber = dealNumber}));
    }
    int CardsIn(const auto& piles) const {
        int cards = 0;
        for (const std::string& pile : piles) cards += CardCount(pile);
        return cards;
    }

    DefaultPlayHooks play;
    EngineHooks hooks{play};
};

// The number after "starts from" in the page's scoring paragraph.
std::optional<int> StatedStart(const std::string& page) {
    std::smatch match;
    static const std::regex kStart("<h2>Scoring</h2>\n<p>The score starts from (-?[0-9]+)");
    if (!std::regex_search(page, match, kStart)) return std::nullopt;
    return std::stoi(match[1].str());
}

TEST_F(RulesPageScoringTest, ShippedGamesSayHowTheyScore) {
    struct Case {
        std::string_view game;
        std::string_view says;
    };
    for (const Case& c : std::vector<Case>{
             {"Klondike",
              "The score starts from -52 and gains 5 points for every card on the foundations, "
              "the cards the deal puts there included."},
             {"Freecell", "The score starts from -52 and gains 5 points"},
             {"Spider", "The score starts from -104 and gains 5 points"},
             // Each card turned from the stock lands on the discard pile.
             {"Golf",
              "The score starts from -52 and gains 5 points for every card on the discard pile, "
              "the cards the deal puts there included."},
             {"Clock",
              "The score starts from -52 and gains 5 points for every face-up card that lies on "
              "the pile of its rank"},
         }) {
        SCOPED_TRACE(c.game);
        const int number = Number(c.game);
        ASSERT_GT(number, 0);
        EXPECT_NE(RulesPageHtml(ctx, number).find(std::string(c.says)), std::string::npos)
            << RulesPageHtml(ctx, number);
    }
}

// For every shipped game, a fresh deal shows the stated start plus five
// points for each card the deal put home or on the discard pile.
TEST_F(RulesPageScoringTest, EveryShippedGameStartsWhereItsPageSays) {
    int checked = 0;
    for (const std::string& line : ctx.game.catalog) {
        const std::optional<int> number = CatalogNumber(line);
        if (!number || GameColumn(ctx, *number) < 0) continue;
        SCOPED_TRACE(CatalogName(line));
        const std::string page = RulesPageHtml(ctx, *number);
        ASSERT_NE(page.find("<h2>Scoring</h2>"), std::string::npos);
        const std::optional<int> start = StatedStart(page);
        ASSERT_TRUE(start.has_value()) << page;
        for (const char* dealNumber : {"1", "4242", "987654321"}) {
            Deal(*number, dealNumber);
            const int score = ctx.state.GetInt(field::kScore);
            if (ctx.rules[rule::kFamily] == 40) {
                // The clock game counts the turned cards lying on their own
                // pile: five points each, from the start.
                EXPECT_GE(score, *start) << dealNumber;
                EXPECT_EQ((score - *start) % 5, 0) << dealNumber;
                continue;
            }
            const int dealt =
                5 * (CardsIn(ctx.piles.dest) + CardCount(ctx.piles.mazzo[kSecondWasteIndex]));
            EXPECT_EQ(score, *start + dealt) << dealNumber;
        }
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST(RulesPageScoring, FamilyParagraphsFollowTheRuleValues) {
    const auto rulesOf = [](std::initializer_list<std::pair<int, int>> values) {
        std::vector<int> rules(rule::kRuleCount, 0);
        for (const auto& [index, value] : values) rules[static_cast<std::size_t>(index)] = value;
        return rules;
    };
    struct Case {
        const char* what;
        std::vector<int> rules;
        const char* says;
    };
    const Case cases[] = {
        {"bonus and jokers move the start",
         rulesOf({{rule::kDeckSize, 52},
                  {rule::kScoreValueA, 4},
                  {rule::kJokerCount, 2},
                  {rule::kFoundationCount, 4}}),
         "starts from -42 and gains 5 points for every card on the foundations,"},
        {"no foundation, no discard", rulesOf({{rule::kDeckSize, 52}}), "The score stays at -52."},
        {"a target without foundations",
         rulesOf({{rule::kDeckSize, 52}, {rule::kFamily, 35}, {rule::kWinningScore, 100}}),
         "gains 10 points for every card on the discard pile. The game is won when the score "
         "reaches 100 points."},
        {"memory game", rulesOf({{rule::kDeckSize, 24}, {rule::kFamily, 37}}),
         "starts from -52. Every pair on the discard pile is worth 10 points, and each time the "
         "cards are turned back face down costs 2 points."},
        {"all discarded", rulesOf({{rule::kDeckSize, 52}, {rule::kFamily, 47}}),
         "once every tableau pile is empty it is 208."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(ScoringSectionHtml(c.rules).find(c.says), std::string::npos)
            << ScoringSectionHtml(c.rules);
    }
}

}  // namespace
}  // namespace vis
