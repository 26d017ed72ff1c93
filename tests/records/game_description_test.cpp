#include "records/game_description.h"

#include <gtest/gtest.h>

#include "model/custom_games_file.h"
#include "model/text.h"
#include "support/shipped_games.h"

namespace vis {
namespace {

class GameDescriptionTest : public test::ShippedGamesTest {};

TEST_F(GameDescriptionTest, StandardGamesReadTheirRules) {
    const GameDescription klondike = DescribeGame(ctx, Number("Klondike"), "Klondike");
    EXPECT_EQ(klondike.decks, 1);
    EXPECT_EQ(klondike.gameTime, "Medium");
    EXPECT_EQ(klondike.difficulty, "Medium");
    EXPECT_EQ(klondike.skill, "Moderate");
    EXPECT_EQ(klondike.chance.rfind("Medium", 0), 0u);
    EXPECT_EQ(klondike.redeals, "Unlimited");
    EXPECT_EQ(klondike.previewGame, Number("Klondike"));

    const GameDescription spider = DescribeGame(ctx, Number("Spider"), "Spider");
    EXPECT_EQ(spider.decks, 2);
    EXPECT_EQ(spider.redeals, "0");

    const GameDescription canfield = DescribeGame(ctx, Number("Canfield"), "Canfield");
    EXPECT_NE(canfield.chance.find(" (about 1 in 30)"), std::string::npos) << canfield.chance;
}

TEST_F(GameDescriptionTest, CustomizedGamesShowTheirOwnRedealsOverTheirBase) {
    std::string file = "[R-0301]\r\n";
    file +=
        ZeroPad(8000, 4) + PadOrCut("My Klondike", 50) + ZeroPad(Number("Klondike"), 4) + "\r\n";
    file += "003004" + std::string("1") + "\r\n";  // three cards, four passes, King only
    for (int i = 2; i < kCustomGameBlockLines; ++i) file += "\r\n";
    test::WriteFile(dir / "DATA" / "GAM_CUST.DAT", file);

    const GameDescription custom = DescribeGame(ctx, 8000, "My Klondike");
    EXPECT_EQ(custom.gameTime, "Customized game");
    EXPECT_EQ(custom.difficulty, "Customized game");
    EXPECT_EQ(custom.chance, "Customized game");
    EXPECT_EQ(custom.gameTimeLevel, -1);
    EXPECT_EQ(custom.skill, "Moderate");
    EXPECT_EQ(custom.redeals, "3");
    EXPECT_EQ(custom.previewGame, Number("Klondike"));
}

}  // namespace
}  // namespace vis
