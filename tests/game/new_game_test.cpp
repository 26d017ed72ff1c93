#include "game/new_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/config_file.h"
#include "model/deal_test_engine.h"
#include "model/games_test_fixture.h"
#include "model/shuffle.h"

namespace vis {
namespace {

using test::KlondikeRules;

// Records what a new game asks of the layers above the model.
class RecordingHooks : public NewGameHooks {
public:
    bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int foundation) override {
        return judge.CanPlayToFoundation(ctx, card, foundation);
    }
    void ScoreFoundationMove(GameContext&) override { calls.push_back("score move"); }
    void ComputeStartingScore(GameContext& ctx) override {
        calls.push_back("starting score");
        ctx.state.SetDecimal(field::kScore, -52);
    }
    bool EndRunningGame(GameContext& ctx) override {
        calls.push_back("end game");
        const bool wasInProgress = ctx.flags[Flag::kGameInProgress];
        ctx.flags[Flag::kGameInProgress] = false;
        return wasInProgress && endsInWin;
    }
    void ResetClock(GameContext& ctx) override {
        calls.push_back("reset clock");
        ctx.flags[Flag::kClockRunning] = false;
    }
    void StartClock(GameContext& ctx) override {
        calls.push_back("start clock");
        ctx.flags[Flag::kClockRunning] = true;
    }
    void ComputeLayout(GameContext&) override { calls.push_back("layout"); }
    bool IsAutoplayOn(const GameContext&) override { return autoplayOn; }
    bool AutoplayStep(GameContext&) override {
        calls.push_back("autoplay step");
        return --autoplayMoves >= 0;
    }
    void RememberDealNumber(GameContext& ctx) override {
        calls.push_back("remember " + ctx.state.Get(field::kDealNumber));
    }
    void AfterDeal(GameContext&) override { calls.push_back("after deal"); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }

    test::SuitUpDealEngine judge;
    std::vector<std::string> calls;
    bool endsInWin = false;
    bool autoplayOn = false;
    int autoplayMoves = 0;
};

// The base of every foundation comes from the first card of the deal.
std::map<int, int> BaseFromDealRules() {
    std::map<int, int> rules = KlondikeRules();
    rules[rule::kBasesFromDeal] = 1;
    rules[rule::kStockCards] = 23;
    rules[rule::kNoSaveNoUndo] = 1;
    rules[rule::kAutoplayAvailable] = 0;
    return rules;
}

std::map<int, int> WideRules(int need) {
    std::map<int, int> rules = KlondikeRules();
    rules[rule::kScreenNeed] = need;
    return rules;
}

class NewGameTest : public test::GamesFixture {
protected:
    NewGameTest() {
        ctx.state.Set(field::kConfigPath, "DATA\\CFG.DAT");
        ctx.state.Set(field::kPlayer, "Ann");
        ctx.state.Set(field::kCardSize, "B");
        ctx.state.Set(field::kCardSet, "001");
        ctx.state.Set(field::kBackCard, "011");
        ctx.state.Set(field::kConfirmQuitGame, "Y");
        ctx.state.Set(field::kDealAnimation, "N");
        ctx.game.random.seed(20240601);
        WriteGames({{5, 1, "Klondike"},
                    {5, 2, "Base From Deal"},
                    {5, 3, "Sixty Cards"},
                    {5, 4, "Wide"},
                    {5, 5, "Wider"}},
                   {KlondikeRules(),
                    BaseFromDealRules(),
                    {{rule::kDeckSize, 60}},
                    WideRules(1),
                    WideRules(2)});
    }

    bool Start(int number, const std::string& name,
               const std::optional<std::string>& dealNumber = std::nullopt,
               const std::string& player = "Ann", bool persist = false) {
        return StartGame(ctx, hooks, {number, name, player, persist, dealNumber});
    }

    std::string Pref(const char* key) {
        return ReadPref(ConfigFilePath(ctx.state), "Preference", key, "-");
    }

    bool Logged(const std::string& entry) const {
        return std::find(ui.Log().begin(), ui.Log().end(), entry) != ui.Log().end();
    }

    int CardsOnTable() const {
        int cards = 0;
        for (PileList kind : {PileList::Mazzo, PileList::Dest, PileList::Fila, PileList::Appogg})
            for (int i = 0; i < PileCount(kind); ++i) cards += CardCount(ctx.piles.Pile(kind, i));
        return cards;
    }

    RecordingHooks hooks;
};

TEST_F(NewGameTest, StartingAGameDealsItAndKeepsItForTheNextStart) {
    ASSERT_TRUE(Start(1, "Klondike", std::nullopt, "Ann", true));
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
    EXPECT_EQ(ctx.state.Get(field::kGameName), "Klondike");
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    EXPECT_EQ(ctx.state.Get(field::kScore), "-52");
    EXPECT_EQ(ctx.state.Get(field::kDealNumber).size(), 13u);
    EXPECT_EQ(CardsOnTable(), 52);
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_FALSE(ctx.flags[Flag::kGameWon]);
    EXPECT_EQ(ctx.game.passNumber, 1);
    EXPECT_EQ(Pref("Game"), "1");
    EXPECT_EQ(Pref("Game_Name"), "Klondike");
    EXPECT_EQ(Pref("Game_TreeNum"), "-30");
    EXPECT_EQ(ui.BusyDepth(), 0);

    const std::vector<std::string> order = {"end game",
                                            "layout",
                                            "reset clock",
                                            "starting score",
                                            "remember " + ctx.state.Get(field::kDealNumber),
                                            "start clock",
                                            "after deal"};
    EXPECT_EQ(hooks.calls, order);
    EXPECT_TRUE(ui.IsCommandGroupEnabled(CommandGroup::kGame));
    EXPECT_TRUE(ui.IsCommandGroupEnabled(CommandGroup::kAutoplay));
    EXPECT_TRUE(ui.IsCommandGroupEnabled(CommandGroup::kSaving));
    EXPECT_TRUE(ui.IsCommandGroupEnabled(CommandGroup::kCustomize));
    for (UiCommand command : {UiCommand::kPause, UiCommand::kQuitGame, UiCommand::kInsertBookmark})
        EXPECT_TRUE(ui.IsCommandEnabled(command));
    EXPECT_EQ(ui.ScoreShown(), "-52");
    EXPECT_TRUE(Logged("caption"));
    EXPECT_TRUE(Logged("repaint table"));
}

TEST_F(NewGameTest, AGivenDealNumberIsDealtAsIs) {
    ASSERT_TRUE(Start(1, "Klondike", "42"));
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), "42");
    const std::vector<CardNumber> list = ShuffleDeck(ctx.rules, "0000000000042");
    std::string stock;
    for (int i = 0; i < 24; ++i) stock += CardText(list[static_cast<std::size_t>(i)]);
    EXPECT_EQ(ctx.piles.mazzo[kStockIndex], stock);
    EXPECT_EQ(hooks.Count("remember 42"), 1);
}

TEST_F(NewGameTest, ARedealPutsBackTheBasesAndFillRulesInsteadOfReloading) {
    ASSERT_TRUE(Start(2, "Base From Deal", ""));
    const int firstBase = RankOf(BottomCard(ctx.piles.dest[0]));
    EXPECT_EQ(ctx.rules[rule::kFoundationBase + 9], firstBase);
    EXPECT_EQ(ctx.rules[rule::kTableauEmpty + 6], RankBelow(firstBase));

    // What the previous deal and play changed is put back ...
    ctx.rules.Set(rule::kTableauEmpty + 27, 77);
    // ... but the rules are not read again.
    ctx.rules.Set(rule::kStockCards, 10);
    ASSERT_TRUE(NewDeal(ctx, hooks, {.dealNumber = "1"}));
    const int secondBase = RankOf(BottomCard(ctx.piles.dest[0]));
    ASSERT_NE(secondBase, firstBase);
    for (int f = 0; f < 16; ++f) EXPECT_EQ(ctx.rules[rule::kFoundationBase + f], secondBase) << f;
    // Fill rule 91 came back and follows the new base.
    for (int j = 0; j < 7; ++j)
        EXPECT_EQ(ctx.rules[rule::kTableauEmpty + j], RankBelow(secondBase)) << j;
    EXPECT_EQ(ctx.rules[rule::kTableauEmpty + 27], 0);
    EXPECT_EQ(CardCount(ctx.piles.mazzo[kStockIndex]), 10);
}

TEST_F(NewGameTest, ConfirmingTheAbandonOfAGame) {
    struct Case {
        bool animating;
        const char* confirmQuit;
        bool inProgress;
        bool won;
        bool answer;
        bool result;
        bool asked;
    };
    const Case cases[] = {
        {true, "N", false, false, true, false, false},  // never during an animation
        {false, "N", true, false, false, true, false},  // the player turned the question off
        {false, "Y", false, false, false, true, false},
        {false, "Y", true, true, false, true, false},  // a won game may go
        {false, "Y", true, false, true, true, true},
        {false, "Y", true, false, false, false, true},
        {false, "", true, false, false, false, true},
    };
    for (const Case& c : cases) {
        ui.ClearLog();
        ctx.flags[Flag::kAnimationRunning] = c.animating;
        ctx.state.Set(field::kConfirmQuitGame, c.confirmQuit);
        ctx.flags[Flag::kGameInProgress] = c.inProgress;
        ctx.flags[Flag::kGameWon] = c.won;
        if (c.asked) ui.QueueAnswer(c.answer);
        EXPECT_EQ(ConfirmAbandonGame(ctx, "Leave?"), c.result);
        EXPECT_EQ(Logged("confirm: Leave?"), c.asked);
        EXPECT_EQ(Logged("repaint main window"), c.asked);
    }
}

TEST_F(NewGameTest, CancellingLeavesTheRunningGameAlone) {
    ASSERT_TRUE(Start(1, "Klondike"));
    const PileLists before = ctx.piles;
    const std::string deal = ctx.state.Get(field::kDealNumber);
    hooks.calls.clear();
    ui.QueueAnswer(false);
    EXPECT_FALSE(Start(2, "Base From Deal"));
    EXPECT_TRUE(Logged("confirm: Quit this game?"));
    EXPECT_EQ(ctx.piles.fila, before.fila);
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), deal);
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_EQ(ui.BusyDepth(), 0);
}

TEST_F(NewGameTest, TheSameGameForTheSamePlayerStillAsks) {
    ASSERT_TRUE(Start(1, "Klondike"));
    ui.ClearLog();
    ui.QueueAnswer(true);
    const std::string deal = ctx.state.Get(field::kDealNumber);
    ASSERT_TRUE(Start(1, "Klondike"));
    EXPECT_TRUE(Logged("confirm: Quit this game?"));
    EXPECT_NE(ctx.state.Get(field::kDealNumber), deal);
    EXPECT_EQ(hooks.Count("end game"), 2);
    EXPECT_EQ(hooks.Count("layout"), 1);  // the rules were not loaded again
}

TEST_F(NewGameTest, AGameThatEndsInAWinHandsOverToTheWonSequence) {
    ASSERT_TRUE(Start(1, "Klondike"));
    const PileLists before = ctx.piles;
    hooks.endsInWin = true;
    ui.QueueAnswer(true);
    EXPECT_TRUE(Start(2, "Base From Deal"));
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
    EXPECT_EQ(ctx.piles.fila, before.fila);
    EXPECT_EQ(hooks.Count("starting score"), 1);
}

TEST_F(NewGameTest, AGameThatCannotBeLoadedOrDealtLeavesNoCurrentGame) {
    struct Case {
        int number;
        const char* name;
        const char* message;  // empty: any message
    };
    const Case cases[] = {{77, "Missing", ""},
                          {3, "Sixty Cards", "Error 01 - fnGameNumberCardsArray"}};
    for (const Case& c : cases) {
        ASSERT_TRUE(Start(1, "Klondike"));
        ui.ClearLog();
        ui.QueueAnswer(true);
        EXPECT_FALSE(Start(c.number, c.name)) << c.name;
        // The player is told why, in a message or the error box.
        const auto told =
            std::find_if(ui.Log().rbegin(), ui.Log().rend(), [](const std::string& entry) {
                return StartsWith(entry, "message: ") || StartsWith(entry, "error: ");
            });
        ASSERT_NE(told, ui.Log().rend()) << c.name;
        if (*c.message) {
            EXPECT_EQ(*told, "message: " + std::string(c.message));
        }
        EXPECT_EQ(ctx.state.Get(field::kGameNumber), "-001") << c.name;
        EXPECT_EQ(ctx.state.Get(field::kGameName), "") << c.name;
        EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]) << c.name;
        EXPECT_FALSE(ui.IsCommandGroupEnabled(CommandGroup::kGame)) << c.name;
        EXPECT_TRUE(Logged("paint empty table")) << c.name;
        EXPECT_EQ(ui.BusyDepth(), 0);
    }
}

TEST_F(NewGameTest, ANewPlayerIsRememberedAndStartsAFreshRun) {
    ASSERT_TRUE(Start(1, "Klondike"));
    ctx.state.Set(field::kRunWon, "0003");
    ui.ClearLog();
    ui.QueueAnswer(true);
    ASSERT_TRUE(Start(1, "Klondike", std::nullopt, "Bob"));
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Bob");
    EXPECT_EQ(Pref("UserDefault"), "Bob");
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0000");
    EXPECT_EQ(Pref("Game"), "-");  // not kept without persist
}

TEST_F(NewGameTest, AGameTooWideForTheScreenGetsMediumCardsUntilAGameFits) {
    ui.SetScreenWidth(640);
    ASSERT_TRUE(Start(4, "Wide"));
    EXPECT_EQ(ctx.state.Get(field::kCardSize), "M");
    EXPECT_EQ(ctx.state.Get(field::kCardSet), "003");
    EXPECT_EQ(ctx.state.Get(field::kBackCard), "011");
    EXPECT_EQ(ctx.state.Get(field::kSavedCardSize), "B");
    EXPECT_EQ(ctx.state.Get(field::kSavedCardSet), "001");
    EXPECT_EQ(ctx.state.Get(field::kSavedBackCard), "011");
    EXPECT_EQ(ctx.game.layout.cardWidth, 59);
    EXPECT_EQ(ui.Messages(),
              std::vector<std::string>{
                  "Your video card's display is 640x480 pixels. For the best graphics "
                  "display the screen resolution should be set to 800x600 pixels or "
                  "higher. However, it's possible to play Wide using predefined card "
                  "and deck sets."});

    // Another game that needs the room: the cards are small already, and
    // the message is not shown twice.
    ui.QueueAnswer(true);
    ASSERT_TRUE(Start(5, "Wider"));
    EXPECT_EQ(ui.Messages().size(), 1u);

    ui.QueueAnswer(true);
    ASSERT_TRUE(Start(1, "Klondike"));
    EXPECT_EQ(ctx.state.Get(field::kCardSize), "B");
    EXPECT_EQ(ctx.state.Get(field::kCardSet), "001");
    EXPECT_EQ(ctx.state.Get(field::kSavedCardSet), "");
    EXPECT_EQ(ctx.state.Get(field::kSavedCardSize), "");
    EXPECT_EQ(ctx.game.layout.cardWidth, 71);
}

TEST_F(NewGameTest, TheWiderMessageNamesTheLargerScreen) {
    ui.SetScreenWidth(800);
    ctx.state.Set(field::kCardSize, "L");
    ASSERT_TRUE(Start(5, "Wider"));
    // Small cards need no substitution, and then no message either.
    EXPECT_EQ(ctx.state.Get(field::kCardSize), "L");
    EXPECT_TRUE(ui.Messages().empty());

    ctx.state.Set(field::kCardSize, "B");
    ctx.game.smallScreenState = 2;
    ui.QueueAnswer(true);
    ASSERT_TRUE(Start(4, "Wide"));  // 650 is enough for this one
    ui.QueueAnswer(true);
    ASSERT_TRUE(Start(5, "Wider"));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_TRUE(
        StartsWith(ui.Messages()[0], "Your video card's display is 800x600 pixels. For the best"));
    EXPECT_NE(ui.Messages()[0].find(
                  "to 1024x768 pixels or higher. However, it's possible to play Wider using"),
              std::string::npos);
}

TEST_F(NewGameTest, AGameThatCannotBeSavedTurnsSavingOff) {
    ASSERT_TRUE(Start(2, "Base From Deal"));
    EXPECT_FALSE(ui.IsCommandGroupEnabled(CommandGroup::kSaving));
    EXPECT_FALSE(ui.IsCommandGroupEnabled(CommandGroup::kAutoplay));
    EXPECT_FALSE(ui.IsCommandEnabled(UiCommand::kInsertBookmark));
    EXPECT_TRUE(ui.IsCommandEnabled(UiCommand::kPause));
}

TEST_F(NewGameTest, ARestartKeepsThePilesAndTheUndoSide) {
    ASSERT_TRUE(Start(1, "Klondike"));
    const PileLists dealt = ctx.piles;
    ctx.history.undo.log = "001,";
    ctx.history.redo.log = "002,";
    ctx.flags[Flag::kClockRunning] = false;
    hooks.calls.clear();
    ASSERT_TRUE(NewDeal(ctx, hooks, {.deal = false}));
    EXPECT_EQ(ctx.piles.fila, dealt.fila);
    EXPECT_EQ(ctx.history.undo.log, "001,");
    EXPECT_EQ(ctx.history.redo.log, "");
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(hooks.Count("starting score"), 0);
    EXPECT_EQ(hooks.Count("start clock"), 1);
}

TEST_F(NewGameTest, ANewDealEmptiesTheHistoryAndTheUndoMarks) {
    ASSERT_TRUE(Start(1, "Klondike"));
    ctx.history.undo.log = "001,";
    ctx.history.undo.stock.push_back("x");
    ctx.state.Set(field::kUndoTaken, "1");
    ctx.game.dealCounter = 4;
    ctx.game.fillCounter = 2;
    ctx.game.passNumber = 3;
    ASSERT_TRUE(NewDeal(ctx, hooks, {}));
    EXPECT_TRUE(ctx.history.undo.IsEmpty());
    EXPECT_EQ(ctx.history.undo.log, "");
    EXPECT_EQ(ctx.state.Get(field::kUndoTaken), "0");
    EXPECT_EQ(ctx.game.dealCounter, 0);
    EXPECT_EQ(ctx.game.fillCounter, 0);
    EXPECT_EQ(ctx.game.passNumber, 1);
}

TEST_F(NewGameTest, TheDealIsDrawnAsTheOptionsSay) {
    struct Case {
        const char* dealAnimation;
        bool animate;
        bool noRepaint;
        const char* randomCard;
        std::vector<std::string> drawn;
    };
    const Case cases[] = {
        {"Y",
         true,
         false,
         "N",
         {"paint background", "input blocked", "animate deal", "input unblocked"}},
        {"Y", false, false, "N", {"paint background", "repaint table"}},
        {"N", true, false, "Y", {"random presentation", "paint background", "repaint table"}},
        {"Y", true, true, "Y", {}},
    };
    ASSERT_TRUE(Start(1, "Klondike"));
    for (const Case& c : cases) {
        ctx.state.Set(field::kDealAnimation, c.dealAnimation);
        ctx.state.Set(field::kRandomCard, c.randomCard);
        ui.ClearLog();
        ASSERT_TRUE(
            NewDeal(ctx, hooks, {.deal = true, .animate = c.animate, .noRepaint = c.noRepaint}));
        std::vector<std::string> drawn;
        for (const std::string& entry : ui.Log())
            if (entry == "paint background" || entry == "animate deal" ||
                entry == "repaint table" || entry == "random presentation" ||
                entry.starts_with("input"))
                drawn.push_back(entry);
        EXPECT_EQ(drawn, c.drawn) << c.dealAnimation << c.animate << c.noRepaint;
    }
}

TEST_F(NewGameTest, AutoplayRunsAfterAPauseWhileItFindsMoves) {
    hooks.autoplayOn = true;
    hooks.autoplayMoves = 3;
    const std::uint64_t before = ui.TickCount();
    ASSERT_TRUE(Start(1, "Klondike"));
    EXPECT_EQ(hooks.Count("autoplay step"), 4);
    EXPECT_GE(ui.TickCount() - before, 800u);
}

TEST_F(NewGameTest, DealNumbersAreThirteenDigitsFromTheProcessGenerator) {
    std::vector<std::string> numbers;
    for (int i = 0; i < 50; ++i) {
        const std::string number = ChooseDealNumber(ctx);
        ASSERT_EQ(number.size(), 13u);
        EXPECT_TRUE(
            std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }));
        numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    EXPECT_GT(std::unique(numbers.begin(), numbers.end()) - numbers.begin(), 45);

    ctx.game.random.seed(7);
    const std::string again = ChooseDealNumber(ctx);
    ctx.game.random.seed(7);
    EXPECT_EQ(ChooseDealNumber(ctx), again);
}

TEST_F(NewGameTest, TheRandomGameCommandDrawsANamedCatalogGame) {
    // Three catalog lines: the numbers 0 and 1 are drawn, and only 1 names
    // a game.
    WriteGames({{5, 1, "Klondike"}, {5, 2, "Base From Deal"}, {5, 4, "Wide"}},
               {KlondikeRules(), BaseFromDealRules(), WideRules(1)});
    for (int round = 0; round < 6; ++round) {
        ui.QueueAnswer(true);
        ASSERT_TRUE(StartRandomGame(ctx, hooks));
        EXPECT_EQ(ctx.state.Get(field::kGameNumber), "0001");
        EXPECT_EQ(ctx.state.Get(field::kGameName), "Klondike");
    }
    EXPECT_EQ(Pref("Game"), "1");
    EXPECT_EQ(Pref("Game_Name"), "Klondike");
}

TEST_F(NewGameTest, TheRandomGameCommandWithoutGamesOnlyBeeps) {
    ctx.game.catalog.clear();
    EXPECT_FALSE(StartRandomGame(ctx, hooks));
    EXPECT_TRUE(Logged("beep"));
    EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(NewGameTest, ClearingTheCurrentGame) {
    ASSERT_TRUE(Start(1, "Klondike"));
    hooks.calls.clear();
    ui.ClearLog();
    ClearCurrentGame(ctx, hooks);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"end game", "reset clock"}));
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(ctx.state.Get(field::kGameNumber), "-001");
    EXPECT_EQ(ctx.state.Get(field::kGameName), "");
    // Nothing of the old game stays in the caption or the panels.
    EXPECT_EQ(ctx.state.Get(field::kDealNumber), "");
    EXPECT_EQ(ui.ScoreShown(), "0");
    EXPECT_TRUE(Logged("caption"));
    EXPECT_TRUE(Logged("commands game off"));
    EXPECT_TRUE(Logged("paint empty table"));
}

// A game put on an empty table without being chosen (a held or saved game
// opened) enables the game commands, as far as its rules allow.
TEST_F(NewGameTest, AGameOpenedOnAnEmptyTableEnablesTheGameCommands) {
    for (const int game : {1, 2}) {
        SCOPED_TRACE(game);
        ctx.flags[Flag::kGameInProgress] = false;
        ASSERT_TRUE(Start(game, game == 1 ? "Klondike" : "Base From Deal"));
        ClearCurrentGame(ctx, hooks);
        ASSERT_FALSE(ui.IsCommandGroupEnabled(CommandGroup::kGame));
        // As opening a file does: the piles laid, then the deal started on them.
        ctx.state.SetZeroPadded(field::kGameNumber, game);
        ASSERT_TRUE(PrepareGame(ctx, hooks));
        ASSERT_TRUE(NewDeal(ctx, hooks, {.deal = false, .animate = false}));
        EXPECT_TRUE(ui.IsCommandGroupEnabled(CommandGroup::kGame));
        // "Base From Deal" can be neither saved nor autoplayed.
        EXPECT_EQ(ui.IsCommandGroupEnabled(CommandGroup::kSaving), game == 1);
        EXPECT_EQ(ui.IsCommandGroupEnabled(CommandGroup::kAutoplay), game == 1);
    }
}

}  // namespace
}  // namespace vis
