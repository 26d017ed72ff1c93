// Which mark an empty pile shows, from the rule values.
#include <gtest/gtest.h>

#include "model/headless_ui.h"
#include "model/rule_index.h"
#include "view/paint/mark_choice.h"

namespace vis {
namespace {

TEST(RankMarkSuffixTest, RuleValuesNameTheirRankMarks) {
    const std::vector<std::pair<int, const char*>> cases{
        {1, "010"},  {58, "010"}, {81, "010"}, {85, "010"}, {2, "012"},
        {90, "012"}, {3, "013"},  {7, "017"},  {10, "020"}, {11, "006"},
        {12, "003"}, {13, "011"}, {64, "011"}, {84, "011"}, {94, ""}};
    for (const auto& [value, suffix] : cases) {
        const auto mark = RankMarkSuffix(value);
        ASSERT_TRUE(mark.has_value()) << value;
        EXPECT_EQ(*mark, suffix) << value;
    }
    for (int plain : {0, 14, 57, 100, -1}) EXPECT_FALSE(RankMarkSuffix(plain)) << plain;
}

class MarkSuffixTest : public ::testing::Test {
protected:
    std::optional<std::string> Mark(MarkKind kind, int index = 0) {
        return MarkSuffix(ctx, kind, index);
    }
    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(MarkSuffixTest, TableauShowsAnyCardRankOrPlainMark) {
    EXPECT_EQ(Mark(MarkKind::kTableau), "_TABLEAU");
    ctx.rules.Set(rule::kTableauEmpty + 2, 13);
    EXPECT_EQ(Mark(MarkKind::kTableau, 2), "011");
    ctx.rules.Set(rule::kTableauEmpty + 3, 50);
    EXPECT_EQ(Mark(MarkKind::kTableau, 3), "004");
    ctx.rules.Set(rule::kTableauEmpty + 4, 94);
    EXPECT_EQ(Mark(MarkKind::kTableau, 4), std::nullopt);
}

TEST_F(MarkSuffixTest, FoundationBuildingTenAlwaysWantsAQueen) {
    ctx.rules.Set(rule::kFoundationBase + 1, 1);
    EXPECT_EQ(Mark(MarkKind::kFoundation, 1), "010");
    ctx.rules.Set(rule::kFoundationBuilding + 1, 10);
    EXPECT_EQ(Mark(MarkKind::kFoundation, 1), "003");
    EXPECT_EQ(Mark(MarkKind::kFoundation, 5), "004");
}

TEST_F(MarkSuffixTest, ReservesFollowTheirRules) {
    EXPECT_EQ(Mark(MarkKind::kReserve, 1), "001");
    ctx.rules.Set(rule::kReserveRule + 1, 88);
    ctx.rules.Set(rule::kReserveRule + 2, 89);
    ctx.rules.Set(rule::kReserveRule + 3, 90);
    EXPECT_EQ(Mark(MarkKind::kReserve, 1), "006");
    EXPECT_EQ(Mark(MarkKind::kReserve, 2), "003");
    EXPECT_EQ(Mark(MarkKind::kReserve, 3), "011");
    ctx.rules.Set(rule::kReserveRule, 9);
    EXPECT_EQ(Mark(MarkKind::kReserve, 3), "009");
    ctx.rules.Set(rule::kReserveRule, 8);
    EXPECT_EQ(Mark(MarkKind::kReserve, 1), "011");
}

TEST_F(MarkSuffixTest, StockOfTheSpecialFamiliesAndWasteWithoutStock) {
    ctx.rules.Set(rule::kFamily, 45);
    EXPECT_EQ(Mark(MarkKind::kStock), "021");
    ctx.rules.Set(rule::kHasStock, 1);
    EXPECT_EQ(Mark(MarkKind::kWaste), "_WASTE");
    EXPECT_EQ(Mark(MarkKind::kExtraPile), "_WASTE");

    // A waste standing in for a stock.
    ctx.rules.Set(rule::kHasStock, 0);
    ctx.rules.Set(rule::kPasses, 0);
    EXPECT_EQ(Mark(MarkKind::kWaste), "008");
    ctx.rules.Set(rule::kPasses, 3);
    EXPECT_EQ(Mark(MarkKind::kWaste), std::nullopt);  // no gathering redeal
    ctx.rules.Set(rule::kGatheringRedeal, 1);
    ctx.game.passNumber = 1;
    EXPECT_EQ(Mark(MarkKind::kWaste), "022");
    ctx.game.passNumber = 3;
    EXPECT_EQ(Mark(MarkKind::kWaste), "008");
    EXPECT_EQ(Mark(MarkKind::kNothing), std::nullopt);
}

}  // namespace
}  // namespace vis
