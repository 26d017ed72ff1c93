#include "game/hold_and_exit.h"

#include <gtest/gtest.h>

#include "game/save_game.h"
#include "records/held_games.h"
#include "records/saved_game_file.h"
#include "saved_games_fixture.h"

namespace vis {
namespace {

class HoldAndExitTest : public test::SavedGamesFixture {
protected:
    HoldAndExitTest() { ui.SetCommandGroupEnabled(CommandGroup::kSaving, true); }

    void WritePref(const char* key, const char* value) {
        vis::WritePref(ConfigFilePath(ctx.state), "Preference", key, value);
    }
    void TakeAllHeldNames() {
        for (int n = 1; n <= 99; ++n) test::WriteFile(HeldGamePath(ctx, n), "held");
    }
};

TEST_F(HoldAndExitTest, AHeldGameIsNotRecordedAndResumesAtTheNextStart) {
    ASSERT_TRUE(Start(1));
    MoveToFoundation(3);
    Play(75);
    const PositionSnapshot position = TakeSnapshot(ctx);
    const std::string deal = ctx.state.Get(field::kDealNumber);
    ASSERT_TRUE(HoldGame(ctx));
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_TRUE(recorder.results.empty());
    const auto held = HeldGamePath(ctx, 1);
    ASSERT_TRUE(std::filesystem::exists(held));

    // The next start: an empty table.
    test::TestGameHooks nextHooks;
    HeadlessUi nextUi;
    GameContext next(nextUi);
    SetProgramDir(next.state, dir.Path());
    next.state.Set(field::kConfigPath, "DATA\\CFG.DAT");
    next.state.Set(field::kDealAnimation, "N");
    next.state.SetZeroPadded(field::kGameNumber, -1);
    ASSERT_TRUE(LoadCatalog(next));
    ASSERT_TRUE(ResumeHeldGame(next, nextHooks));
    EXPECT_EQ(TakeSnapshot(next), position);
    EXPECT_EQ(next.state.Get(field::kDealNumber), deal);
    EXPECT_EQ(next.state.Get(field::kPlayer), "Ann");
    EXPECT_EQ(nextUi.ClockShown(), "0:01:15");
    // Until the game is recorded, a crash must not lose it.
    EXPECT_TRUE(std::filesystem::exists(held));
}

// The program that resumed a held game may die at any moment: the file
// stays until the game is recorded (and then goes, so the game is not
// played and recorded twice), and holding it again rewrites that same file.
TEST_F(HoldAndExitTest, AResumedGameKeepsItsFileUntilRecordedOrHeldAgain) {
    enum class Ending { kCrash, kRecorded, kAnotherGame, kHeldAgain };
    for (const Ending ending :
         {Ending::kCrash, Ending::kRecorded, Ending::kAnotherGame, Ending::kHeldAgain}) {
        SCOPED_TRACE(static_cast<int>(ending));
        ASSERT_TRUE(Start(1));
        ASSERT_TRUE(HoldGame(ctx));
        const auto held = HeldGamePath(ctx, 1);
        ASSERT_TRUE(ResumeHeldGame(ctx, hooks));
        recorder.results.clear();
        MoveToFoundation(3);
        const PositionSnapshot played = TakeSnapshot(ctx);
        switch (ending) {
            case Ending::kCrash:
                break;
            case Ending::kRecorded:
                EndGame(ctx);
                break;
            case Ending::kAnotherGame:
                ASSERT_TRUE(Start(2));
                break;
            case Ending::kHeldAgain:
                ASSERT_TRUE(HoldGame(ctx));
                break;
        }
        const bool recorded = ending == Ending::kRecorded || ending == Ending::kAnotherGame;
        EXPECT_EQ(recorder.results.size(), recorded ? 1u : 0u);
        EXPECT_EQ(std::filesystem::exists(held), !recorded);
        EXPECT_FALSE(std::filesystem::exists(HeldGamePath(ctx, 2))) << "held twice";
        if (ending == Ending::kHeldAgain) {
            // The next start resumes the game as it was held the second time.
            ASSERT_TRUE(ResumeHeldGame(ctx, hooks));
            EXPECT_EQ(TakeSnapshot(ctx), played);
            EndGame(ctx);
        }
        if (ending == Ending::kCrash) {
            // The next run starts from nothing but the file.
            ASSERT_TRUE(std::filesystem::exists(held));
            std::filesystem::remove(held);
            ctx.flags[Flag::kGameInProgress] = false;
            ctx.game.resumedHeldFile.clear();
        }
    }
}

TEST_F(HoldAndExitTest, HeldFilesThatCannotBeOpenedDoNotBlockTheOthers) {
    ASSERT_TRUE(Start(1));
    ASSERT_TRUE(SaveGame(ctx, SaveMode::kHeldGame));  // number 01
    ASSERT_TRUE(SaveGame(ctx, SaveMode::kHeldGame));  // number 02
    test::WriteFile(HeldGamePath(ctx, 0), "");        // a hold that never finished
    test::WriteFile(HeldGamePath(ctx, 1), "damaged");
    ASSERT_TRUE(Start(2));
    ui.ClearLog();

    ASSERT_TRUE(ResumeHeldGame(ctx, hooks));
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
    EXPECT_FALSE(std::filesystem::exists(HeldGamePath(ctx, 0)));
    // The one resumed stays until the game is recorded.
    EXPECT_TRUE(std::filesystem::exists(HeldGamePath(ctx, 2)));
    // The damaged one is reported and kept aside, not lost.
    auto aside = HeldGamePath(ctx, 1);
    aside += ".bad";
    EXPECT_EQ(test::ReadFile(aside), "damaged");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find(std::string(kNotASavedGame)), std::string::npos);
    EXPECT_NE(ui.Messages()[0].find("The file was kept as "), std::string::npos);
}

TEST_F(HoldAndExitTest, AHeldGameTooWideForTheScreenStaysForALaterStart) {
    ASSERT_TRUE(Start(3));
    ASSERT_TRUE(HoldGame(ctx));
    ui.SetScreenWidth(640);
    ASSERT_TRUE(Start(1));
    ui.ClearLog();
    EXPECT_FALSE(ResumeHeldGame(ctx, hooks));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("You can't play: Wide Klondike"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(HeldGamePath(ctx, 1)));
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
}

TEST_F(HoldAndExitTest, AHoldWithEveryNameTakenIsRefusedAndTheClosingCancelled) {
    ASSERT_TRUE(Start(1));
    TakeAllHeldNames();
    ctx.flags[Flag::kHoldAndExitRequested] = true;
    EXPECT_EQ(QueryClose(ctx), CloseDecision::kCancel);
    EXPECT_FALSE(ctx.flags[Flag::kHoldAndExitRequested]);
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(test::ReadFile(HeldGamePath(ctx, 99)), "held");
}

TEST_F(HoldAndExitTest, TheClosingFollowsThePreferences) {
    enum class Setup {
        kPlain,
        kAskToQuit,
        kHoldRequested,
        kHoldDialog,
        kHoldSilently,
        kNoSaving,
        kNoGame,
        kAnimation
    };
    const struct {
        Setup setup;
        bool answer;
        CloseDecision decision;
        bool held;
    } cases[] = {
        {Setup::kPlain, false, CloseDecision::kClose, false},
        {Setup::kAskToQuit, false, CloseDecision::kCancel, false},
        {Setup::kAskToQuit, true, CloseDecision::kClose, false},
        {Setup::kHoldRequested, false, CloseDecision::kClose, true},
        {Setup::kHoldDialog, false, CloseDecision::kAskHoldOrExit, false},
        {Setup::kHoldSilently, false, CloseDecision::kClose, true},
        {Setup::kNoSaving, false, CloseDecision::kClose, false},
        {Setup::kNoGame, false, CloseDecision::kClose, false},
        {Setup::kAnimation, false, CloseDecision::kCloseAfterAnimation, false},
    };
    for (const auto& c : cases) {
        const int index = static_cast<int>(c.setup);
        SCOPED_TRACE(index);
        std::filesystem::remove(ConfigFilePath(ctx.state));
        std::filesystem::remove(HeldGamePath(ctx, 1));
        ASSERT_TRUE(Start(1));
        ui.SetCommandGroupEnabled(CommandGroup::kSaving, c.setup != Setup::kNoSaving);
        if (c.setup == Setup::kAskToQuit) WritePref("ConfirmQuit", "Y");
        if (c.setup == Setup::kHoldRequested) ctx.flags[Flag::kHoldAndExitRequested] = true;
        if (c.setup == Setup::kHoldDialog) WritePref("ConfirmSaveAndExit", "Y");
        if (c.setup == Setup::kHoldSilently) WritePref("ConfirmSaveAndExitType", "1");
        if (c.setup == Setup::kNoGame) EndGame(ctx);
        ctx.flags[Flag::kAnimationRunning] = c.setup == Setup::kAnimation;
        if (c.setup == Setup::kAskToQuit) ui.QueueAnswer(c.answer);
        EXPECT_EQ(QueryClose(ctx), c.decision);
        EXPECT_EQ(std::filesystem::exists(HeldGamePath(ctx, 1)), c.held);
        EXPECT_EQ(ctx.game.closeAfterAnimation, c.setup == Setup::kAnimation);
        ctx.flags[Flag::kAnimationRunning] = false;
        ctx.game.closeAfterAnimation = false;
        ctx.flags[Flag::kHoldAndExitRequested] = false;
    }
}

TEST_F(HoldAndExitTest, TheHoldDialogHoldsExitsOrCancels) {
    ASSERT_TRUE(Start(1));
    EXPECT_TRUE(CloseAfterHoldDialog(ctx, HoldDialogChoice::kExitAndPostLoss));
    EXPECT_FALSE(std::filesystem::exists(HeldGamePath(ctx, 1)));
    EXPECT_FALSE(CloseAfterHoldDialog(ctx, HoldDialogChoice::kCancel));
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_TRUE(CloseAfterHoldDialog(ctx, HoldDialogChoice::kHoldAndExit));
    EXPECT_TRUE(std::filesystem::exists(HeldGamePath(ctx, 1)));
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_TRUE(recorder.results.empty());
}

}  // namespace
}  // namespace vis
