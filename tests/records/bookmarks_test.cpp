#include "records/bookmarks.h"

#include <gtest/gtest.h>

#include "model/headless_ui.h"
#include "engine/move_log.h"
#include "model/position_snapshot.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

class BookmarkTest : public ::testing::Test {
protected:
    BookmarkTest() {
        ctx.state.SetZeroPadded(field::kGameNumber, 5);
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kScore, "10");
        ctx.piles.fila[0] = "001002";
        ctx.rules.Set(rule::kFoundationBase, 1);
        PushSnapshot(ctx, HistoryDirection::kUndo);
        ctx.piles.fila[1] = "003";
    }
    ~BookmarkTest() override { DiscardBookmark(ctx); }

    void Mark() {
        ui.QueueAnswer(true);
        ASSERT_TRUE(InsertBookmark(ctx, 100));
    }

    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(BookmarkTest, GoesBackToTheMarkedPositionWithItsHistory) {
    Mark();
    const PositionSnapshot marked = TakeSnapshot(ctx);
    EXPECT_TRUE(ui.IsCommandEnabled(UiCommand::kGoToBookmark));

    PushSnapshot(ctx, HistoryDirection::kUndo);
    ctx.piles.fila[1] += "002";
    ctx.piles.fila[0] = "001";
    ctx.state.Set(field::kScore, "15");
    ctx.rules.Set(rule::kFoundationBase, 7);
    ctx.game.passNumber = 3;

    ui.QueueAnswer(true);
    ASSERT_TRUE(GoToBookmark(ctx));
    EXPECT_EQ(TakeSnapshot(ctx), marked);
    EXPECT_EQ(ctx.state.Get(field::kScore), "10");
    EXPECT_EQ(ctx.game.passNumber, 1);
    EXPECT_EQ(ctx.rules[rule::kFoundationBase], 1);
    EXPECT_EQ(ctx.history.undo.stock.size(), 3u);  // one step, as when marked
    EXPECT_EQ(ui.BusyDepth(), 0);
}

TEST_F(BookmarkTest, CancelledMissingOrDamagedBookmarksChangeNothing) {
    EXPECT_FALSE(InsertBookmark(ctx, 0));  // Cancel
    EXPECT_EQ(ctx.state.Get(field::kBookmarkPath), "");

    Mark();
    const std::string path = ctx.state.Get(field::kBookmarkPath);
    const PositionSnapshot before = TakeSnapshot(ctx);

    test::WriteFile(path, "[S-0303]garbage\r\n");
    ui.QueueAnswer(true);
    EXPECT_FALSE(GoToBookmark(ctx));
    EXPECT_EQ(ui.Messages().back(), "This file is not a valid saved game.");

    std::filesystem::remove(path);
    ui.QueueAnswer(true);
    EXPECT_FALSE(GoToBookmark(ctx));
    EXPECT_EQ(ui.Messages().back(), "File not found: " + path);
    EXPECT_EQ(TakeSnapshot(ctx), before);
}

TEST_F(BookmarkTest, ANewBookmarkReplacesTheOldFileAndDiscardRemovesIt) {
    Mark();
    const std::string first = ctx.state.Get(field::kBookmarkPath);
    Mark();
    const std::string second = ctx.state.Get(field::kBookmarkPath);
    EXPECT_NE(first, second);
    EXPECT_FALSE(std::filesystem::exists(first));
    DiscardBookmark(ctx);
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_EQ(ctx.state.Get(field::kBookmarkPath), "");
    EXPECT_FALSE(ui.IsCommandEnabled(UiCommand::kGoToBookmark));
}

}  // namespace
}  // namespace vis
