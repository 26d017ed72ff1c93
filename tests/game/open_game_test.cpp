#include "game/open_game.h"

#include <gtest/gtest.h>

#include "engine/scoring.h"
#include "game/save_game.h"
#include "records/saved_game_file.h"
#include "saved_games_fixture.h"

namespace vis {
namespace {

class OpenGameTest : public test::SavedGamesFixture {
protected:
    // Game 1 dealt and played for a while: two moves, a pass, a score.
    void PlayFirstGame() {
        ASSERT_TRUE(Start(1));
        MoveToFoundation(0);
        MoveToFoundation(2);
        ctx.game.passNumber = 2;
        ctx.state.SetDecimal(field::kScore, -42);
        ctx.rules.Set(rule::kFoundationBase + 1, 5);
        Play(3725);
    }

    std::filesystem::path SaveAs(const char* name) {
        const auto file = dir / name;
        ui.QueueFileName(file);
        EXPECT_TRUE(SaveGame(ctx, SaveMode::kChooseFile));
        return file;
    }

    bool OpenChosen(const std::filesystem::path& file) {
        ui.QueueFileName(file);
        return OpenGame(ctx, hooks, OpenMode::kChooseFile);
    }
};

TEST_F(OpenGameTest, AnOpenedGameComesBackWithItsPlayerPositionClockScoreAndHistory) {
    PlayFirstGame();
    const PositionSnapshot position = TakeSnapshot(ctx);
    const HistorySide undo = ctx.history.undo;
    const std::string deal = ctx.state.Get(field::kDealNumber);
    const auto file = SaveAs("first.gam");
    EXPECT_EQ(Pref("Dir_Save"), dir.Path().string());

    ASSERT_TRUE(Start(2, "Bob"));
    ctx.state.Set(field::kRunWon, "0003");
    recorder.results.clear();
    ASSERT_TRUE(OpenChosen(file));

    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
    EXPECT_EQ(ctx.state.Get(field::kGameName), "Klondike");
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Ann");
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), deal);
    EXPECT_EQ(ctx.state.Get(field::kScore), "-42");
    EXPECT_EQ(ctx.game.passNumber, 2);
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 1], 5);
    EXPECT_EQ(TakeSnapshot(ctx), position);
    EXPECT_EQ(ctx.history.undo.stock, undo.stock);
    EXPECT_EQ(ctx.history.undo.tableau, undo.tableau);
    EXPECT_EQ(ctx.history.undo.log, undo.log);
    EXPECT_TRUE(ctx.history.redo.IsEmpty());
    EXPECT_EQ(ui.ClockShown(), "1:02:05");
    EXPECT_TRUE(ctx.flags[Flag::kClockRunning]);
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(ctx.game.fillCounter, 2);
    // Another game: the run counters start afresh; Bob's game was a loss.
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0], "0002 Bob lost 0");
}

TEST_F(OpenGameTest, RunCountersStayWhenTheSameGameOfTheSamePlayerIsOpened) {
    PlayFirstGame();
    const auto file = SaveAs("same.gam");
    ctx.state.Set(field::kRunWon, "0003");
    ASSERT_TRUE(OpenChosen(file));
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0003");
}

TEST_F(OpenGameTest, PlayingTimesComeBackAsHoursMinutesAndSeconds) {
    const struct {
        int seconds;
        const char* shown;
    } cases[] = {{3725, "1:02:05"},
                 {3600, "1:00:00"},
                 {59, "0:00:59"},
                 {86400, "0:00:00"},
                 {999999, "0:00:00"}};
    ASSERT_TRUE(Start(1));
    for (const auto& c : cases) {
        SavedGame saved = CaptureSavedGame(ctx, c.seconds);
        test::WriteFile(dir / "timed.gam", SavedGameText(saved));
        ASSERT_TRUE(OpenChosen(dir / "timed.gam")) << c.seconds;
        EXPECT_EQ(ui.ClockShown(), c.shown) << c.seconds;
    }
}

TEST_F(OpenGameTest, ABadFileIsReportedAndTheRunningGameGoesOn) {
    ASSERT_TRUE(Start(1));
    MoveToFoundation(0);
    const PositionSnapshot position = TakeSnapshot(ctx);
    SavedGame otherGame = CaptureSavedGame(ctx, 0);
    otherGame.game = 77;
    test::WriteFile(dir / "unknown.gam", SavedGameText(otherGame));
    test::WriteFile(dir / "damaged.gam", "[S-0303]0001 not a saved game\r\n");
    SavedGame twice = CaptureSavedGame(ctx, 0);
    twice.position[kSnapshotReserveLine] = twice.position[kSnapshotTableauLine + 6];
    test::WriteFile(dir / "twice.gam", SavedGameText(twice));
    ctx.state.Set(field::kConfirmQuitGame, "Y");

    const struct {
        std::filesystem::path file;
        std::string message;
    } cases[] = {
        {dir / "missing.gam", "File not found: " + (dir / "missing.gam").string()},
        {dir / "damaged.gam", (dir / "damaged.gam").string() + "\r" + std::string(kNotASavedGame)},
        {dir / "twice.gam", (dir / "twice.gam").string() + "\r" + std::string(kNotASavedGame)},
        {dir / "unknown.gam", (dir / "unknown.gam").string() +
                                  "\rThe game of this file (number 0077) is not among the games."},
    };
    for (const auto& c : cases) {
        ui.ClearLog();
        EXPECT_FALSE(OpenChosen(c.file));
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(CountLogged("confirm:"), 0) << "the player is not asked to quit for nothing";
        EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
        EXPECT_EQ(TakeSnapshot(ctx), position);
    }
    EXPECT_TRUE(recorder.results.empty());
}

TEST_F(OpenGameTest, DecliningToQuitOrCancellingTheDialogChangesNothing) {
    PlayFirstGame();
    const auto file = SaveAs("kept.gam");
    ASSERT_TRUE(Start(2));
    recorder.results.clear();
    ctx.state.Set(field::kConfirmQuitGame, "Y");
    ui.QueueAnswer(false);
    EXPECT_FALSE(OpenChosen(file));
    EXPECT_TRUE(Logged("confirm: Quit this game?"));
    EXPECT_FALSE(OpenGame(ctx, hooks, OpenMode::kChooseFile));  // the dialog cancelled
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0002");
    EXPECT_TRUE(recorder.results.empty());
}

TEST_F(OpenGameTest, NothingOpensWhileAWinningAnimationRuns) {
    ASSERT_TRUE(Start(1));
    ctx.flags[Flag::kAnimationRunning] = true;
    ui.ClearLog();
    for (OpenMode mode :
         {OpenMode::kChooseFile, OpenMode::kRestart, OpenMode::kHeldGame, OpenMode::kDemoRestart})
        EXPECT_FALSE(OpenGame(ctx, hooks, mode, dir / "none.gam"));
    EXPECT_TRUE(ui.Log().empty());
}

TEST_F(OpenGameTest, SavingOverAnExistingFileAsksFirst) {
    ASSERT_TRUE(Start(1));
    const auto existing = dir / "existing.gam";
    test::WriteFile(existing, "old");
    const std::string question = "yes/no/cancel: " + existing.string() +
                                 "\rThis file already exists.\nReplace existing file?";

    ui.QueueFileName(existing);
    ui.QueueChoice(YesNoCancel::kCancel);
    EXPECT_FALSE(SaveGame(ctx, SaveMode::kChooseFile));
    EXPECT_EQ(test::ReadFile(existing), "old");

    // No: the dialog again, where the player picks another name.
    ui.QueueFileName(existing);
    ui.QueueChoice(YesNoCancel::kNo);
    ui.QueueFileName(dir / "other.gam");
    EXPECT_TRUE(SaveGame(ctx, SaveMode::kChooseFile));
    EXPECT_EQ(test::ReadFile(existing), "old");
    EXPECT_EQ(CountLogged("file dialog save: Save game"), 3);

    ui.QueueFileName(existing);
    ui.QueueChoice(YesNoCancel::kYes);
    EXPECT_TRUE(SaveGame(ctx, SaveMode::kChooseFile));
    EXPECT_EQ(CountLogged(question), 3);
    std::string error;
    EXPECT_TRUE(ParseSavedGame(test::ReadFile(existing), error).has_value()) << error;
}

TEST_F(OpenGameTest, ABookmarkReplacesTheOneBefore) {
    ASSERT_TRUE(Start(1));
    ASSERT_TRUE(SaveGame(ctx, SaveMode::kBookmark));
    const std::filesystem::path first = ctx.state.Get(field::kBookmarkPath);
    ASSERT_TRUE(SaveGame(ctx, SaveMode::kBookmark));
    const std::filesystem::path second = ctx.state.Get(field::kBookmarkPath);
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::exists(second));
    EXPECT_TRUE(ui.IsCommandEnabled(UiCommand::kGoToBookmark));
    EXPECT_EQ(second.filename().string().substr(0, 3), "~so");
    std::filesystem::remove(second);
}

class RestartTest : public test::SavedGamesFixture {};

TEST_F(RestartTest, RestartPutsBackTheFirstPositionWithClockAndPassAtTheirStart) {
    ASSERT_TRUE(Start(1));
    const PositionSnapshot dealt = TakeSnapshot(ctx);
    const std::string score = std::to_string(ComputeScore(ctx));
    MoveToFoundation(0);
    MoveToFoundation(1);
    ctx.game.passNumber = 3;
    ctx.state.SetDecimal(field::kScore, 100);
    Play(90);
    const std::string question =
        "confirm: Restart this game?\rGame number: " + ctx.state.Get(field::kDealNumber);

    EXPECT_FALSE(OpenGame(ctx, hooks, OpenMode::kRestart));  // the question declined
    EXPECT_TRUE(Logged(question));
    EXPECT_NE(TakeSnapshot(ctx), dealt);

    ui.QueueAnswer(true);
    ASSERT_TRUE(OpenGame(ctx, hooks, OpenMode::kRestart));
    EXPECT_EQ(TakeSnapshot(ctx), dealt);
    EXPECT_TRUE(ctx.history.undo.IsEmpty());
    EXPECT_EQ(ctx.game.passNumber, 1);
    EXPECT_EQ(ctx.state.Get(field::kScore), score);
    EXPECT_EQ(ui.ClockShown(), "0:00:00");
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_TRUE(Logged("sound event: Restart"));
    EXPECT_EQ(recorder.results, std::vector<std::string>{"0001 Ann lost 90"});
}

TEST_F(RestartTest, RestartWithoutMovesKeepsThePilesAndStillResetsClockAndPass) {
    ASSERT_TRUE(Start(1));
    const PositionSnapshot dealt = TakeSnapshot(ctx);
    ctx.game.passNumber = 2;
    Play(30);
    ui.QueueAnswer(true);
    ASSERT_TRUE(OpenGame(ctx, hooks, OpenMode::kRestart));
    EXPECT_EQ(TakeSnapshot(ctx), dealt);
    EXPECT_EQ(ctx.game.passNumber, 1);
    EXPECT_EQ(ui.ClockShown(), "0:00:00");
}

TEST_F(RestartTest, AFinishedGameRestartsWithoutAQuestionAndTheEmptyTableBeeps) {
    ASSERT_TRUE(Start(1));
    MoveToFoundation(0);
    EndGame(ctx);
    ui.ClearLog();
    ASSERT_TRUE(OpenGame(ctx, hooks, OpenMode::kRestart));
    EXPECT_EQ(CountLogged("confirm:"), 0);
    EXPECT_EQ(recorder.results.size(), 1u) << "the ended game is not recorded twice";

    ClearCurrentGame(ctx, hooks);
    ui.ClearLog();
    EXPECT_FALSE(OpenGame(ctx, hooks, OpenMode::kRestart));
    EXPECT_TRUE(Logged("beep"));
}

}  // namespace
}  // namespace vis
