#include "model/rules_page.h"

#include <gtest/gtest.h>

#include "support/shipped_games.h"

namespace vis {
namespace {

class RulesPageTest : public test::ShippedGamesTest {};

// Each shipped game's page says what a player of that game must know, and
// nothing its rules contradict.
TEST_F(RulesPageTest, PagesDescribeTheGamesRules) {
    struct Case {
        std::string_view game;
        std::vector<std::string_view> says;
        std::vector<std::string_view> never = {};
    };
    for (const Case& c : std::vector<Case>{
             {"Klondike",
              {"<h1>Klondike</h1>", "one deck of 52 cards", "build down in alternate colours.",
               "can be filled with a King only", "turns one card onto the waste",
               "redeal as often as you like", "starting from the Ace."}},
             // Free cells and empty piles add up.
             {"Freecell",
              {"four free cells", "build down in alternate colours",
               "at most one card more than there are free cells and empty tableau piles "
               "together"},
              {"move it one card at a time"}},
             {"Spider",
              {"two decks", "ten cards per stock press, and only when no tableau pile is empty",
               "A sequence in one suit"}},
             {"Canfield",
              {"starting from a card decided by the deal, an Ace following a King",
               "turns three cards onto the waste",
               "The reserve receives 13 cards, the top one face up",
               "build down in alternate colours, a King on an Ace",
               "its top card fills an empty tableau pile at once"}},
             {"Penguin",
              {"build down in suit, a King on an Ace, but nothing on a card of the "
               "foundations' base rank"}},
             {"Fan",
              {"Tableau piles 1 to 17 each receive three cards",
               "Tableau pile 18 receives one card"}},
             {"Scotch Patience", {"Tableau piles 17 and 18 each receive two cards"}},
             // One card at a time: an empty pile takes a card, not a sequence.
             {"Forty Thieves",
              {"Only one card is moved at a time", "can be filled with any card."},
              {"sequence"}},
             {"Baker's Dozen", {"An empty tableau pile stays empty."}, {"filled with nothing"}},
             // The stock spot holds no cards; pressing it gathers and deals again.
             {"La Belle Lucie",
              {"gathers the cards of the tableau piles, mixes them and deals them out again, three "
               "to a pile",
               "Two redeals are allowed"},
              {"remaining 0 cards", "through the stock"}},
             {"Cruel", {"four to a pile", "redeal as often as you like"}, {"remaining 0 cards"}},
             {"Der Katzenschwanz",
              {"dealt face up in one line: the first King starts tableau pile 1"},
              {"receives no cards", "receive no cards"}},
             {"Golf",
              {"one rank above or below the top card of the discard pile",
               "won when every card is on the discard pile"}},
             // Won by its score, with the four Aces left on the table.
             {"Aces Up",
              {"The game is won when the score reaches 188.",
               "a top card other than an Ace is discarded when a higher card of its suit",
               "An empty tableau pile can be filled with any card."},
              {"every card has reached the foundations", "special rule"}},
             {"Beleaguered Castle", {"The Aces are taken out and put on the foundations"}},
         }) {
        SCOPED_TRACE(c.game);
        const std::string page = RulesPageHtml(ctx, Number(c.game));
        for (std::string_view text : c.says) EXPECT_NE(page.find(text), std::string::npos) << text;
        for (std::string_view text : c.never) EXPECT_EQ(page.find(text), std::string::npos) << text;
    }
}

TEST_F(RulesPageTest, UnknownGameHasNoPage) {
    EXPECT_TRUE(RulesPageHtml(ctx, 999).empty());
}

TEST(RulesPageValuesTest, RedealsAndEscapedName) {
    std::vector<int> rules(389, 0);
    rules[7] = 1;     // stock
    rules[8] = 1;     // waste
    rules[13] = 3;    // three passes
    rules[21] = 3;    // three cards a press
    rules[304] = 24;  // cards in the stock
    const std::string page = RulesPageHtml("A <b> & c", rules);
    EXPECT_NE(page.find("A &lt;b&gt; &amp; c"), std::string::npos);
    EXPECT_NE(page.find("Two redeals are allowed"), std::string::npos);
    EXPECT_NE(page.find("turns three cards"), std::string::npos);
    rules[13] = 1;
    EXPECT_NE(RulesPageHtml("x", rules).find("no redeal"), std::string::npos);
    // Without a waste to turn over or a gathering, there is nothing to redeal.
    rules[8] = 0;
    rules[13] = -1;
    EXPECT_NE(RulesPageHtml("x", rules).find("no redeal"), std::string::npos);
}

}  // namespace
}  // namespace vis
