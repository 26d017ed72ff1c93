#include "engine/move_log.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/headless_ui.h"
#include "model/position_snapshot.h"

namespace vis {
namespace {

TEST(MoveLogTest, LogPrimitives) {
    struct Case {
        const char* log;
        const char* newest;
        const char* afterDrop;
    };
    const Case cases[] = {
        {"", "", ""},          {",", "", ""},       {",,,", "", ",,"},
        {",003,", "003", ","}, {"002,", "002", ""}, {"001,002003,", "002003", "001,"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NewestLogEntry(c.log), c.newest) << c.log;
        std::string log = c.log;
        DropNewestLogEntry(log);
        EXPECT_EQ(log, c.afterDrop) << c.log;
    }
    EXPECT_TRUE(NewestEntryHasEvent("001,002003,", 3));
    EXPECT_FALSE(NewestEntryHasEvent("001,002003,", 1));
    EXPECT_EQ(CountLogEvents("001,,001002,001,", 1), 3);
    EXPECT_EQ(CountLogEvents("", 1), 0);
}

class HistoryTest : public ::testing::Test {
protected:
    HistoryTest() {
        ctx.flags[Flag::kGameInProgress] = true;
        ctx.state.SetFlag(field::kSoundsEnabled, true);
        ctx.state.SetFlag(field::kSoundsUndo, true);
        ctx.piles.mazzo[0] = "010011";
        ctx.piles.fila[0] = "001002";
        ctx.piles.fila[1] = "003";
    }

    // A move as the engine makes it: push, change the piles, clear redo.
    void Move(const std::string& from, const std::string& to) {
        PushSnapshot(ctx, HistoryDirection::kUndo);
        auto& source = ctx.piles.Pile(*PileByKey(from));
        const std::string card = source.substr(source.size() - 3);
        source.resize(source.size() - 3);
        ctx.piles.Pile(*PileByKey(to)) += card;
        ClearRedo(ctx);
    }

    bool Undo() { return StepHistory(ctx, HistoryDirection::kUndo, false); }
    bool Redo() { return StepHistory(ctx, HistoryDirection::kRedo, false); }
    long Beeps() const { return std::count(ui.Log().begin(), ui.Log().end(), "beep"); }

    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(HistoryTest, UndoAndRedoRestoreExactSnapshots) {
    ctx.deck.SetCardFace(1, kFaceDown);
    const PositionSnapshot dealt = TakeSnapshot(ctx);
    Move("Fila1", "Fila2");
    ctx.deck.SetCardFace(1, kFaceUp);  // the exposed card turned up by the move
    const PositionSnapshot afterMove = TakeSnapshot(ctx);
    Move("Mazzo", "Dest1");
    const PositionSnapshot end = TakeSnapshot(ctx);

    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeSnapshot(ctx), afterMove);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(TakeSnapshot(ctx), dealt);
    EXPECT_FALSE(ctx.deck.IsFaceUp(1));
    EXPECT_FALSE(Undo());  // nothing left: a beep
    EXPECT_EQ(Beeps(), 1);
    ASSERT_TRUE(Redo());
    ASSERT_TRUE(Redo());
    EXPECT_EQ(TakeSnapshot(ctx), end);
    EXPECT_EQ(ctx.history.undo.log, ",,");
    EXPECT_TRUE(ctx.history.redo.IsEmpty());
}

TEST_F(HistoryTest, RefusedStepsBeepAndChangeNothing) {
    EXPECT_FALSE(Undo());  // right after the deal
    Move("Fila1", "Fila2");
    ctx.state.Set(field::kUndoMode, "2");
    EXPECT_FALSE(Undo());
    ctx.flags[Flag::kGameInProgress] = false;
    ctx.state.Set(field::kUndoMode, "0");
    EXPECT_FALSE(Undo());
    EXPECT_EQ(Beeps(), 3);
    EXPECT_EQ(ctx.piles.fila[1], "003002");
}

TEST_F(HistoryTest, OneStepUndoModeAllowsOneUndoAndOneRedoBetweenMoves) {
    ctx.state.Set(field::kUndoMode, "1");
    Move("Fila1", "Fila2");
    Move("Fila1", "Fila2");
    EXPECT_TRUE(Undo());
    EXPECT_FALSE(Undo());
    EXPECT_TRUE(Redo());
    EXPECT_FALSE(Redo());
    EXPECT_TRUE(Undo());
    EXPECT_EQ(Beeps(), 2);
}

TEST_F(HistoryTest, PassNumberFollowsRedealsBothWays) {
    // A redeal that refills the stock from the waste.
    ctx.piles.mazzo[0].clear();
    ctx.piles.mazzo[1] = "010011";
    ctx.game.passNumber = 1;
    PushSnapshot(ctx, HistoryDirection::kUndo);
    std::swap(ctx.piles.mazzo[0], ctx.piles.mazzo[1]);
    ctx.game.passNumber = 2;
    ASSERT_TRUE(Undo());
    EXPECT_EQ(ctx.game.passNumber, 1);
    ASSERT_TRUE(Redo());
    EXPECT_EQ(ctx.game.passNumber, 2);

    // A tableau redeal marked 003 with the stock empty throughout.
    ctx.piles.mazzo[0].clear();
    ClearRedo(ctx);
    PushSnapshot(ctx, HistoryDirection::kUndo);
    MarkStepEvent(ctx, kEventRedeal);
    ctx.game.passNumber = 3;
    ASSERT_TRUE(Undo());
    EXPECT_EQ(ctx.game.passNumber, 2);
    EXPECT_EQ(ctx.history.redo.log, "003,");
}

TEST_F(HistoryTest, ReserveDealsMoveTheDealCounter) {
    PushSnapshot(ctx, HistoryDirection::kUndo);
    MarkStepEvent(ctx, kEventReserveDeal);
    ctx.game.dealCounter = 1;
    ASSERT_TRUE(Undo());
    EXPECT_EQ(ctx.game.dealCounter, 0);
    ASSERT_TRUE(Redo());
    EXPECT_EQ(ctx.game.dealCounter, 1);
    EXPECT_EQ(ctx.history.undo.log, "002,");
}

TEST_F(HistoryTest, SelectionGamesComeBackWithFoundationOneEmpty) {
    ctx.rules.Set(rule::kSelectionGame, 10);
    ctx.piles.dest[0] = "001";
    ctx.piles.fila[0] = "002";
    Move("Fila2", "Fila1");
    ASSERT_TRUE(Undo());
    EXPECT_EQ(ctx.piles.dest[0], "");
}

TEST_F(HistoryTest, FoldingMergesStepsAndKeepsTheNewestEvent) {
    PushSnapshot(ctx, HistoryDirection::kUndo);
    PushSnapshot(ctx, HistoryDirection::kUndo);
    MarkStepEvent(ctx, kEventReserveDeal);
    PushSnapshot(ctx, HistoryDirection::kUndo);
    ASSERT_EQ(ctx.history.undo.log, ",002,,");
    DropNewestSnapshots(ctx, 1);
    EXPECT_EQ(ctx.history.undo.log, ",,");
    EXPECT_EQ(ctx.history.undo.stock.size(), 6u);
    EXPECT_EQ(ctx.history.undo.tableau.size(), 56u);
}

TEST_F(HistoryTest, DropSecondNewestLinesKeepsTheNewerLastLine) {
    ctx.piles.appogg[7] = "020";
    PushSnapshot(ctx, HistoryDirection::kUndo);
    ctx.piles.appogg[7] = "021";
    ctx.piles.appogg[6] = "022";
    PushSnapshot(ctx, HistoryDirection::kUndo);
    DropSecondNewestLines(ctx, 1);
    ASSERT_EQ(ctx.history.undo.reserve.size(), 8u);
    EXPECT_EQ(ctx.history.undo.reserve[6], "");      // the older snapshot's line
    EXPECT_EQ(ctx.history.undo.reserve[7], "0211");  // the newer snapshot's last line
    EXPECT_EQ(ctx.history.undo.log, ",");
}

TEST_F(HistoryTest, ReorderFoundationSortsAndSoundsOnlyForSeveralCards) {
    ctx.piles.dest[2] = "005002003";
    ReorderFoundation(ctx, 2);
    EXPECT_EQ(ctx.piles.dest[2], "002003005");
    EXPECT_EQ(ui.Log().back(), "sound event: Reorder");
    ctx.piles.dest[3] = "007";
    ui.ClearLog();
    ReorderFoundation(ctx, 3);
    EXPECT_EQ(ui.Log(), std::vector<std::string>{"repaint table"});
}

}  // namespace
}  // namespace vis
