#include "game/new_game.h"

#include <random>

#include "model/catalog.h"
#include "model/config_file.h"
#include "model/game_context.h"
#include "model/games_file.h"
#include "model/irregular_offsets.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/shuffle.h"
#include "model/text.h"
#include "view/geometry/card_size.h"

namespace vis {

namespace {

// Screen needs of rule 37.
constexpr int kNeedsWidth650 = 1;
constexpr int kNeedsWidth810 = 2;
constexpr int kWidth650 = 650;
constexpr int kWidth810 = 810;
constexpr int kNoSaveNoUndo = 1;  // rule 20
constexpr int kAutoplayPauseMs = 800;
constexpr int kOpenAllGamesFolder = -30;  // "All games (alphabetically)"

// Small-screen states of the game object.
constexpr int kScreenNotChecked = 0;
constexpr int kScreenChecked = 1;
constexpr int kScreenAfterStartUp = 2;

constexpr std::string_view kLargeCards = "B";
constexpr std::string_view kMediumCards = "M";
constexpr std::string_view kSmallScreenCardSet = "003";

std::string SmallScreenMessage(int need, const std::string& gameName) {
    const std::string play = "However, it's possible to play " + gameName.substr(0, 50) + " " +
                             "using predefined card and deck sets.";
    if (need == kNeedsWidth650)
        return "Your video card's display is 640x480 pixels. For the best graphics display the "
               "screen "
               "resolution should be set to 800x600 pixels or higher. " +
               play;
    return "Your video card's display is 800x600 pixels. For the best graphics display of this "
           "game "
           "the screen resolution should be set to 1024x768 pixels or higher. " +
           play;
}

bool ScreenTooNarrow(GameContext& ctx) {
    const int need = ctx.rules[rule::kScreenNeed];
    const int width = ctx.ui.ScreenWidth();
    return (need == kNeedsWidth650 && width < kWidth650) ||
           (need == kNeedsWidth810 && width < kWidth810);
}

// A game that needs a wider screen than this one is played with medium
// cards of a set drawn for them; the player's own choice comes back with
// the next game that fits.
void FitCardsToScreen(GameContext& ctx) {
    StateBlock& state = ctx.state;
    if (!ScreenTooNarrow(ctx)) {
        if (!state.Get(field::kSavedCardSet).empty()) {
            state.Set(field::kCardSize, state.Get(field::kSavedCardSize));
            state.Set(field::kCardSet, state.Get(field::kSavedCardSet));
            state.Set(field::kBackCard, state.Get(field::kSavedBackCard));
            for (StateField saved :
                 {field::kSavedCardSize, field::kSavedCardSet, field::kSavedBackCard})
                state.Set(saved, "");
        }
        ctx.ui.SetCommandGroupEnabled(CommandGroup::kCustomize, true);
        return;
    }
    if (state.Get(field::kCardSize) == kLargeCards) {
        state.Set(field::kSavedCardSize, state.Get(field::kCardSize));
        state.Set(field::kSavedCardSet, state.Get(field::kCardSet));
        state.Set(field::kSavedBackCard, state.Get(field::kBackCard));
        state.Set(field::kCardSet, kSmallScreenCardSet);
        state.Set(field::kCardSize, kMediumCards);
    } else {
        ctx.game.smallScreenState = kScreenChecked;
    }
    if (ctx.game.smallScreenState != kScreenNotChecked) return;
    ctx.game.smallScreenState = kScreenChecked;
    const int need = ctx.rules[rule::kScreenNeed];
    bool& shown = ctx.game.smallScreenMessageShown[need == kNeedsWidth650 ? 0 : 1];
    if (shown) return;
    ctx.ui.ShowMessage(SmallScreenMessage(need, state.Get(field::kGameName)));
    shown = true;
    ctx.ui.RepaintMainWindow();
}

// The working values of the play engine that belong to one deal.
void ClearPlayState(MainGame& game) {
    // Nothing lifted, pressed or shown whole survives into the new deal.
    game.pointer = PointerState{};
    game.stockPressed = false;
    game.singleCardMove = true;
    game.liftedRunTop = 0;
    game.draggedCard = 0;
    game.fillCounter = 0;
    game.attemptCounter = 0;
    game.autoplayStop = false;
    game.dealCounter = 0;
}

// Autoplay, saving and undo as the rules of the current game allow them.
void EnableCommandsByRules(GameContext& ctx) {
    ctx.ui.SetCommandGroupEnabled(CommandGroup::kAutoplay,
                                  ctx.rules[rule::kAutoplayAvailable] != 0);
    ctx.ui.SetCommandGroupEnabled(CommandGroup::kSaving,
                                  ctx.rules[rule::kNoSaveNoUndo] != kNoSaveNoUndo);
}

void RegenerateIrregularOffsets(GameContext& ctx) {
    std::uniform_int_distribution<int> zeroToThree(0, 3);
    ctx.game.layout.irregular =
        GenerateIrregularOffsets([&] { return zeroToThree(ctx.game.random); });
}

// The deal itself: the rules as loaded, the clock and score at zero, the
// deal number, the cards.
bool DealTable(GameContext& ctx, NewGameHooks& hooks,
               const std::optional<std::string>& dealNumber) {
    if (ctx.rules[rule::kDeckSize] != 0)
        ctx.rules.RestorePileRules();
    else if (!PrepareGame(ctx, hooks))
        return false;
    hooks.ResetClock(ctx);
    ctx.game.passNumber = 1;
    ctx.state.Set(field::kScore, "0");
    // The shuffle, the caption and the records read the number on the table.
    ctx.state.Set(field::kDealNumber, dealNumber ? *dealNumber : ChooseDealNumber(ctx));
    return DealCards(ctx, hooks);
}

bool AnyRandomPresentation(const StateBlock& state) {
    return state.GetFlag(field::kRandomBackground) || state.GetFlag(field::kRandomCard) ||
           state.GetFlag(field::kRandomDeck);
}

void ShowDealtTable(GameContext& ctx, bool animate) {
    if (ctx.state.GetSettings().dealAnimation && animate) {
        // The player's input waits while the cards fly.
        ctx.ui.SetInputBlocked(true);
        ctx.ui.AnimateDeal();
        ctx.ui.SetInputBlocked(false);
    } else {
        ctx.ui.RepaintTable();
    }
}

void RunAutoplayAfterDeal(GameContext& ctx, NewGameHooks& hooks) {
    if (!hooks.IsAutoplayOn(ctx)) return;
    WaitTicks(ctx.ui, kAutoplayPauseMs);
    while (hooks.AutoplayStep(ctx)) {
    }
}

void PersistGame(GameContext& ctx, const GameRequest& request) {
    const auto config = ConfigFilePath(ctx.state);
    WritePrefInt(config, kPreferenceSection, "Game", request.number);
    WritePref(config, kPreferenceSection, "Game_Name", request.name);
    WritePrefInt(config, kPreferenceSection, "Game_TreeNum", kOpenAllGamesFolder);
}

}  // namespace

bool ConfirmAbandonGame(GameContext& ctx, std::string_view question) {
    if (ctx.flags[Flag::kAnimationRunning]) return false;
    if (!ctx.state.GetSettings().confirmQuitGame) return true;
    if (!ctx.flags[Flag::kGameInProgress] || ctx.flags[Flag::kGameWon]) return true;
    const bool ok = ctx.ui.Confirm(std::string(question));
    ctx.ui.RepaintMainWindow();
    return ok;
}

bool PrepareGame(GameContext& ctx, NewGameHooks& hooks) {
    ctx.rules.Clear();
    if (!LoadGameRules(ctx)) return false;
    const std::string cardSize = ctx.state.Get(field::kCardSize);
    FitCardsToScreen(ctx);
    if (ctx.state.Get(field::kCardSize) != cardSize) ApplyCardSize(ctx);
    ctx.game.layout.ResetOrigins();
    EnableCommandsByRules(ctx);
    hooks.ComputeLayout(ctx);
    return true;
}

std::string ChooseDealNumber(GameContext& ctx) {
    std::uniform_int_distribution<int> first(0, 9999998);
    std::uniform_int_distribution<int> second(0, 999998);
    const int a = first(ctx.game.random);
    const int b = second(ctx.game.random);
    // The product stays below 2^53, so the floating-point product is exact.
    const auto product = static_cast<std::int64_t>(static_cast<double>(a) * static_cast<double>(b));
    return DealDigits(std::to_string(product));
}

bool NewDeal(GameContext& ctx, NewGameHooks& hooks, const NewDealOptions& options) {
    {
        BusyPointer busy(ctx.ui);
        ctx.ui.RepaintMainWindow();
        ctx.ui.RefreshCardCounter();
        ClearPlayState(ctx.game);
        if (options.deal) {
            ctx.piles.Clear();
            ctx.history.undo.Clear();
        }
        ctx.history.redo.Clear();
        ctx.flags[Flag::kGameInProgress] = false;
        // Another game, or the deal afresh, replaces a resumed held one.
        ReleaseResumedHeldGame(ctx);
        RegenerateIrregularOffsets(ctx);
        ctx.state.Set(field::kUndoTaken, "0");
        ctx.state.Set(field::kRedoTaken, "0");

        if (options.deal && !DealTable(ctx, hooks, options.dealNumber)) {
            ClearCurrentGame(ctx, hooks);
            return false;
        }

        // Only now is the deal number the one on the table.
        ctx.ui.UpdateCaption();
        hooks.RememberDealNumber(ctx);
        ctx.flags[Flag::kGameInProgress] = true;
        ctx.flags[Flag::kGameWon] = false;
        ctx.ui.RefreshCardCounter();
        if (!options.noRepaint) {
            if (AnyRandomPresentation(ctx.state)) ctx.ui.PickRandomPresentation();
            ctx.ui.PaintBackground();
        }
        ctx.ui.ShowScore(ctx.state.Get(field::kScore));
        if (!options.noRepaint) ShowDealtTable(ctx, options.animate);
        if (!ctx.flags[Flag::kClockRunning]) hooks.StartClock(ctx);
        ctx.ui.RefreshCardCounter();
        RunAutoplayAfterDeal(ctx, hooks);
    }
    hooks.AfterDeal(ctx);
    // A game opened from a file onto an empty table (a held game at the
    // start, say) enables the commands as a chosen game does.
    EnableGameCommands(ctx);
    ctx.ui.SetCommandEnabled(UiCommand::kPause, true);
    ctx.ui.SetCommandEnabled(UiCommand::kQuitGame, true);
    ctx.ui.SetCommandEnabled(UiCommand::kInsertBookmark,
                             ctx.rules[rule::kNoSaveNoUndo] != kNoSaveNoUndo);
    return true;
}

bool StartGame(GameContext& ctx, NewGameHooks& hooks, const GameRequest& request) {
    BusyPointer busy(ctx.ui);
    const bool changedGame = request.number != ctx.state.GetInt(field::kGameNumber, -1);
    const bool changedPlayer = request.player != ctx.state.Get(field::kPlayer);
    // The same game for the same player is a new deal and asks as well.
    if (!ConfirmAbandonGame(ctx)) return false;
    if (hooks.EndRunningGame(ctx)) return true;

    if (changedGame || changedPlayer) {
        ctx.state.SetZeroPadded(field::kRunWon, 0);
        ctx.state.SetZeroPadded(field::kRunLost, 0);
    }
    if (changedPlayer) {
        ctx.state.Set(field::kPlayer, request.player);
        WritePref(ConfigFilePath(ctx.state), kPreferenceSection, kUserDefaultKey, request.player);
        ctx.ui.UpdateCaption();
    }
    if (changedGame || ctx.game.smallScreenState == kScreenAfterStartUp)
        ctx.game.smallScreenState = kScreenNotChecked;
    ctx.state.SetZeroPadded(field::kGameNumber, request.number);
    ctx.state.Set(field::kGameName, request.name);
    if (changedGame && !PrepareGame(ctx, hooks)) {
        ClearCurrentGame(ctx, hooks);
        return false;
    }
    EnableGameCommands(ctx);
    if (!NewDeal(
            ctx, hooks,
            {.deal = true, .animate = true, .dealNumber = request.dealNumber, .noRepaint = false}))
        return false;
    if (request.persist) PersistGame(ctx, request);
    return true;
}

bool StartRandomGame(GameContext& ctx, NewGameHooks& hooks) {
    const int highest = static_cast<int>(ctx.game.catalog.size()) - 2;
    bool anyNamed = false;
    for (int number = 0; number <= highest && !anyNamed; ++number)
        anyNamed = !GameName(ctx, number).empty();
    if (!anyNamed) {
        ctx.ui.Beep();
        return false;
    }
    std::uniform_int_distribution<int> draw(0, highest);
    int number = draw(ctx.game.random);
    while (GameName(ctx, number).empty()) number = draw(ctx.game.random);
    return StartGame(ctx, hooks,
                     {.number = number,
                      .name = GameName(ctx, number),
                      .player = ctx.state.Get(field::kPlayer),
                      .persist = true});
}

void ClearCurrentGame(GameContext& ctx, NewGameHooks& hooks) {
    hooks.EndRunningGame(ctx);
    ctx.state.SetZeroPadded(field::kGameNumber, -1);
    ShowEmptyTable(ctx, hooks);
}

void ShowEmptyTable(GameContext& ctx, NewGameHooks& hooks) {
    ctx.state.Set(field::kGameName, "");
    ctx.state.Set(field::kDealNumber, "");
    ctx.state.Set(field::kScore, "0");
    ctx.ui.ShowScore("0");
    hooks.ResetClock(ctx);
    ctx.ui.UpdateCaption();
    ctx.ui.SetCommandGroupEnabled(CommandGroup::kGame, false);
    ctx.ui.PaintEmptyTable();
}

void EnableGameCommands(GameContext& ctx) {
    if (ctx.ui.IsCommandGroupEnabled(CommandGroup::kGame)) return;
    ctx.ui.SetCommandGroupEnabled(CommandGroup::kGame, true);
    // The group holds saving, undo and autoplay too.
    EnableCommandsByRules(ctx);
}

}  // namespace vis
