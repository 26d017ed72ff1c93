#include "model/position_snapshot.h"

#include <gtest/gtest.h>

#include "model/headless_ui.h"

namespace vis {
namespace {

class SnapshotTest : public ::testing::Test {
protected:
    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(SnapshotTest, TakeAndRestoreRoundTrip) {
    ctx.piles.mazzo[0] = "001002";
    ctx.piles.dest[0] = "014";
    ctx.piles.fila[27] = "105000052";
    ctx.piles.appogg[7] = "066";
    ctx.deck.SetCardFace(1, kFaceDown);
    const PositionSnapshot snapshot = TakeSnapshot(ctx);
    ASSERT_EQ(snapshot.size(), 55u);
    EXPECT_EQ(snapshot[0], "00100021");
    EXPECT_EQ(snapshot[3], "0141");
    EXPECT_EQ(snapshot[46], "105100000521");
    EXPECT_EQ(snapshot[54], "0661");
    EXPECT_EQ(snapshot[1], "");

    GameContext other{ui};
    ASSERT_TRUE(RestoreSnapshot(other, snapshot));
    EXPECT_EQ(TakeSnapshot(other), snapshot);
    EXPECT_FALSE(other.deck.IsFaceUp(1));
    EXPECT_EQ(other.piles.fila[27], "105000052");
}

TEST_F(SnapshotTest, SelectionGamesKeepFoundationOneEmpty) {
    ctx.piles.dest[0] = "014";
    for (auto [selection, family, kept] :
         {std::tuple{0, 0, true}, {5, 0, false}, {0, 3, false}, {0, 4, false}, {0, 5, true}}) {
        ctx.rules.Set(rule::kSelectionGame, selection);
        ctx.rules.Set(rule::kFamily, family);
        EXPECT_EQ(TakeSnapshot(ctx)[3].empty(), !kept) << selection << " " << family;
    }
}

TEST_F(SnapshotTest, MalformedSnapshotsChangeNothing) {
    ctx.piles.fila[0] = "001";
    PositionSnapshot good(55);
    auto withLine = [&](int line, std::string text) {
        PositionSnapshot s = good;
        s[static_cast<std::size_t>(line)] = std::move(text);
        return s;
    };
    for (const auto& bad :
         {PositionSnapshot(54), withLine(5, "001"), withLine(5, "0a11"), withLine(5, "1091")}) {
        EXPECT_FALSE(RestoreSnapshot(ctx, bad));
        EXPECT_EQ(ctx.piles.fila[0], "001");
    }
}

TEST_F(SnapshotTest, ConsistencyFindsDuplicatesAndGarbage) {
    ctx.piles.fila[0] = "001002000";
    ctx.piles.dest[3] = "003";
    EXPECT_TRUE(IsConsistent(ctx.piles));
    ctx.piles.appogg[0] = "002";
    EXPECT_FALSE(IsConsistent(ctx.piles));
    ctx.piles.appogg[0] = "0x2";
    EXPECT_FALSE(IsConsistent(ctx.piles));
    ctx.piles.appogg[0] = "00";
    EXPECT_FALSE(IsConsistent(ctx.piles));
}

}  // namespace
}  // namespace vis
