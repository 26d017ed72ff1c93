// The player's commands: the grammar, refusals that leave the table and the
// history untouched, the bare pile words, and the take-backs around them.
#include <gtest/gtest.h>

#include <optional>

#include "engine/card_removal.h"
#include "engine/catalog_game_fixture.h"
#include "engine/move_execution.h"
#include "engine/move_log.h"
#include "engine/rank_relations.h"
#include "model/position_snapshot.h"

namespace vis {
namespace {

constexpr int kFreecell = 1;
constexpr int kKlondike = 2;

TEST(PlayCommandGrammarTest, ReadsEachVerbAndRefusesTheRest) {
    struct Case {
        const char* line;
        LineKind kind;
        PlayCommand command;
    };
    const Case cases[] = {
        {"move 12 Fila3", LineKind::kCommand, {PlayVerb::kMove, 12, "Fila3"}},
        {"  move\t108   Dest  \r", LineKind::kCommand, {PlayVerb::kMove, 108, "Dest"}},
        {"stock", LineKind::kCommand, {PlayVerb::kStock, 0, ""}},
        {"flip 7", LineKind::kCommand, {PlayVerb::kFlip, 7, ""}},
        {"undo", LineKind::kCommand, {PlayVerb::kUndo, 0, ""}},
        {"redo", LineKind::kCommand, {PlayVerb::kRedo, 0, ""}},
        {"autoplay", LineKind::kCommand, {PlayVerb::kAutoplay, 0, ""}},
        {"snapshot", LineKind::kCommand, {PlayVerb::kSnapshot, 0, ""}},
        {"", LineKind::kNoCommand, {}},
        {"   \r", LineKind::kNoCommand, {}},
        {"# move 12 Fila3", LineKind::kNoCommand, {}},
        {"#", LineKind::kNoCommand, {}},
        {"move 12", LineKind::kMalformed, {}},
        {"move 0 Fila1", LineKind::kMalformed, {}},
        {"move 109 Fila1", LineKind::kMalformed, {}},
        {"move 1x Fila1", LineKind::kMalformed, {}},
        {"move -1 Fila1", LineKind::kMalformed, {}},
        {"move 0012 Fila1", LineKind::kMalformed, {}},
        {"stock now", LineKind::kMalformed, {}},
        {"flip", LineKind::kMalformed, {}},
        {"Undo", LineKind::kMalformed, {}},
        {"deal", LineKind::kMalformed, {}},
    };
    for (const Case& c : cases) {
        const ParsedLine parsed = ParsePlayLine(c.line);
        EXPECT_EQ(parsed.kind, c.kind) << '"' << c.line << '"';
        if (c.kind != LineKind::kCommand) continue;
        EXPECT_EQ(parsed.command, c.command) << c.line;
        EXPECT_EQ(ParsePlayLine(PlayCommandText(parsed.command)).command, parsed.command);
    }
}

class PlayCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { game.ctx.state.Set(field::kConfirmQuitGame, "N"); }

    struct TableAndHistory {
        PositionSnapshot position;
        std::vector<std::string> undo;
        std::vector<std::string> redo;
        std::string undoLog;
        bool operator==(const TableAndHistory&) const = default;
    };
    TableAndHistory Now() const {
        const GameContext& ctx = game.ctx;
        return {TakeSnapshot(ctx), ctx.history.undo.stock, ctx.history.redo.stock,
                ctx.history.undo.log};
    }

    // The first legal move of a card from a tableau pile that `accept`
    // likes, over the deals tried in turn.
    template <typename Accept>
    std::optional<PlayCommand> DealWithMove(int number, Accept accept) {
        for (int deal = 1; deal <= 50; ++deal) {
            if (!game.Deal(number, std::to_string(deal * 7919))) return std::nullopt;
            for (const PlayCommand& command : LegalCommands(game.ctx))
                if (command.verb == PlayVerb::kMove && accept(command)) return command;
        }
        return std::nullopt;
    }

    CardOrigin Where(CardNumber card) const { return FindOrigin(game.ctx.piles, card); }

    test::CatalogGame game;
};

TEST_F(PlayCommandsTest, RefusedCommandsChangeNeitherTableNorHistory) {
    // A first move, so that the history has a step to keep.
    const std::optional<PlayCommand> first =
        DealWithMove(kKlondike, [](const PlayCommand&) { return true; });
    ASSERT_TRUE(first);
    ASSERT_TRUE(CarryOutCommand(game.ctx, game.play, *first));
    const CardNumber faceDown = TopCard(game.ctx.piles.mazzo[kStockIndex]);
    ASSERT_GT(faceDown, 0);
    CardNumber faceUpTableau = 0;
    for (const std::string& pile : game.ctx.piles.fila)
        if (TopCard(pile) > 0) faceUpTableau = TopCard(pile);

    const std::string refused[] = {
        "move 60 Fila1",  // not in a one-deck game
        "move " + std::to_string(faceDown) + " Fila1",
        "flip " + std::to_string(faceDown),  // a press there would deal
        "move " + std::to_string(faceUpTableau) + " Tableau1",
        "move " + std::to_string(faceUpTableau) + " Fila9",  // not on this table
        "move " + std::to_string(faceUpTableau) + " Mazzo",
        "move " + std::to_string(faceUpTableau) + " Mazzo_Waste",
        "flip " + std::to_string(faceUpTableau),
        "flip 60",
        "redo",
        "deal 5",
    };
    for (const std::string& line : refused) {
        const TableAndHistory before = Now();
        EXPECT_FALSE(game.Do(line)) << line;
        EXPECT_EQ(Now(), before) << line;
    }
    // Every illegal drop of every card that can be lifted.
    const std::vector<PlayCommand> legal = LegalCommands(game.ctx);
    for (int card = 1; card <= 52; ++card) {
        for (int pile = 1; pile <= 7; ++pile) {
            const PlayCommand command{PlayVerb::kMove, card, "Fila" + std::to_string(pile)};
            if (std::find(legal.begin(), legal.end(), command) != legal.end()) continue;
            const TableAndHistory before = Now();
            EXPECT_FALSE(CarryOutCommand(game.ctx, game.play, command)) << PlayCommandText(command);
            EXPECT_EQ(Now(), before) << PlayCommandText(command);
        }
    }
}

TEST_F(PlayCommandsTest, BareWordsTakeTheFirstPileThatAcceptsInTheAutomaticOrder) {
    // Freecell: a card goes to the first free cell, and an Ace to the first
    // foundation, whichever pile the bare word has to choose from.
    ASSERT_TRUE(game.Deal(kFreecell, "7919"));
    const CardNumber top = TopCard(game.ctx.piles.fila[0]);
    ASSERT_TRUE(game.Do("move " + std::to_string(top) + " Appogg"));
    EXPECT_EQ(Where(top).pile, (PileRef{PileList::Appogg, 0}));
    const CardNumber next = TopCard(game.ctx.piles.fila[1]);
    ASSERT_TRUE(game.Do("move " + std::to_string(next) + " Appogg"));
    EXPECT_EQ(Where(next).pile, (PileRef{PileList::Appogg, 1}));

    const std::optional<PlayCommand> home = DealWithMove(kFreecell, [](const PlayCommand& c) {
        return c.target == "Dest1" && RankOf(c.card) == kAce;
    });
    ASSERT_TRUE(home);
    ASSERT_TRUE(game.Do("move " + std::to_string(home->card) + " Dest"));
    EXPECT_EQ(Where(home->card).pile, (PileRef{PileList::Dest, 0}));

    // A tableau move by the bare word lands where the first legal tableau
    // target of the same card is, piles with cards before empty ones.
    const std::optional<PlayCommand> build =
        DealWithMove(kFreecell, [](const PlayCommand& c) { return c.target.starts_with("Fila"); });
    ASSERT_TRUE(build);
    ASSERT_TRUE(game.Do("move " + std::to_string(build->card) + " Fila"));
    EXPECT_EQ(PileKey(Where(build->card).pile), build->target);
}

TEST_F(PlayCommandsTest, UndoAndRedoBringTheScoreBackWithThePosition) {
    const std::optional<PlayCommand> home =
        DealWithMove(kKlondike, [](const PlayCommand& c) { return c.target.starts_with("Dest"); });
    ASSERT_TRUE(home);
    const std::string dealtScore = game.ctx.state.Get(field::kScore);
    ASSERT_TRUE(CarryOutCommand(game.ctx, game.play, *home));
    const std::string homeScore = game.ctx.state.Get(field::kScore);
    EXPECT_NE(homeScore, dealtScore);
    // A card turned up behind it is a step of its own.
    int steps = 0;
    while (Where(home->card).kind == OriginKind::kFoundation && game.Do("undo")) ++steps;
    EXPECT_EQ(game.ctx.state.Get(field::kScore), dealtScore);
    for (int i = 0; i < steps; ++i) ASSERT_TRUE(game.Do("redo"));
    EXPECT_EQ(game.ctx.state.Get(field::kScore), homeScore);
}

TEST_F(PlayCommandsTest, TurningACardUpAfterAnUndoStartsANewLineOfPlay) {
    game.ctx.state.Set(field::kAutomaticFaceUp, "N");
    // A tableau move that uncovers a face-down card.
    const std::optional<PlayCommand> uncover =
        DealWithMove(kKlondike, [this](const PlayCommand& c) {
            const CardOrigin origin = Where(c.card);
            return origin.kind == OriginKind::kTableau && origin.slot > 0 &&
                   c.target.starts_with("Fila");
        });
    ASSERT_TRUE(uncover);
    const CardOrigin origin = Where(uncover->card);
    const CardNumber below = CardAt(game.ctx.piles.Pile(origin.pile), origin.slot - 1);
    ASSERT_TRUE(CarryOutCommand(game.ctx, game.play, *uncover));
    const std::string flip = "flip " + std::to_string(below);
    ASSERT_TRUE(game.Do(flip));
    ASSERT_TRUE(game.Do("undo"));
    EXPECT_FALSE(game.ctx.deck.IsFaceUp(below));
    ASSERT_TRUE(game.Do(flip));
    EXPECT_FALSE(game.Do("redo"));
    ASSERT_TRUE(game.Do("undo"));
    ASSERT_TRUE(game.Do("undo"));
    EXPECT_EQ(Where(uncover->card).pile, origin.pile);
}

TEST_F(PlayCommandsTest, ANewDealForgetsWhatThePointerWasDoing) {
    ASSERT_TRUE(game.Deal(kKlondike, "7919"));
    PointerState& pointer = game.ctx.game.pointer;
    pointer.swallowNextPress = true;
    pointer.peeking = true;
    pointer.moved = true;
    game.ctx.game.stockPressed = true;
    game.ctx.game.liftedRunTop = 12;
    game.ctx.game.singleCardMove = false;
    ASSERT_TRUE(game.Deal(kKlondike, "7919"));
    EXPECT_FALSE(pointer.swallowNextPress);
    EXPECT_FALSE(pointer.peeking);
    EXPECT_FALSE(pointer.moved);
    EXPECT_FALSE(game.ctx.game.stockPressed);
    EXPECT_EQ(game.ctx.game.liftedRunTop, 0);
    EXPECT_TRUE(game.ctx.game.singleCardMove);
    // The first press of the new deal deals from the stock.
    EXPECT_TRUE(game.Do("stock"));
}

}  // namespace
}  // namespace vis
