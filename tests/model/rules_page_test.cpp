#include "model/rules_page.h"

#include <gtest/gtest.h>

#include "support/shipped_games.h"

namespace vis {
namespace {

class RulesPageTest : public test::ShippedGamesTest {};

// Each shipped game's page says what a player of that game must know.
TEST_F(RulesPageTest, PagesDescribeTheGamesRules) {
    struct Case {
        std::string_view game;
        std::vector<std::string_view> says;
    };
    for (const Case& c : std::vector<Case>{
             {"Klondike",
              {"<h1>Klondike</h1>", "one deck of 52 cards", "build down in alternate colours",
               "can be filled with a King only", "turns one card onto the waste",
               "redealt as often as you like", "starting from the Ace"}},
             {"Freecell", {"four free cells", "build down in alternate colours"}},
             {"Spider", {"two decks", "ten cards per stock press", "A sequence in one suit"}},
             {"Canfield",
              {"starting from a card decided by the deal", "turns three cards onto the waste",
               "The reserve receives 13 cards, the top one face up"}},
             {"Fan",
              {"Tableau piles 1 to 17 each receive three cards",
               "Tableau pile 18 receives one card"}},
             {"Golf", {"one rank above or below the top card of the discard pile"}},
             {"Beleaguered Castle", {"The Aces are taken out and put on the foundations"}},
         }) {
        SCOPED_TRACE(c.game);
        const std::string page = RulesPageHtml(ctx, Number(c.game));
        for (std::string_view text : c.says) EXPECT_NE(page.find(text), std::string::npos) << text;
    }
}

TEST_F(RulesPageTest, UnknownGameHasNoPage) {
    EXPECT_TRUE(RulesPageHtml(ctx, 999).empty());
}

TEST(RulesPageValuesTest, RedealsAndEscapedName) {
    std::vector<int> rules(389, 0);
    rules[7] = 1;   // stock
    rules[8] = 1;   // waste
    rules[13] = 3;  // three passes
    rules[21] = 3;  // three cards a press
    const std::string page = RulesPageHtml("A <b> & c", rules);
    EXPECT_NE(page.find("A &lt;b&gt; &amp; c"), std::string::npos);
    EXPECT_NE(page.find("Two redeals are allowed"), std::string::npos);
    EXPECT_NE(page.find("turns three cards"), std::string::npos);
    rules[13] = 1;
    EXPECT_NE(RulesPageHtml("x", rules).find("no redeal"), std::string::npos);
}

}  // namespace
}  // namespace vis
