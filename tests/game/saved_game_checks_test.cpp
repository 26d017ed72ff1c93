// What a saved game must be before it is put on the table: a position of
// the game it names, and of a size no game played by hand goes past.
#include <gtest/gtest.h>

#include "engine/catalog_game_fixture.h"
#include "game/open_game.h"
#include "model/position_snapshot.h"
#include "records/saved_game_file.h"

namespace vis {
namespace {

class SavedGameChecksTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameContext& ctx = game.ctx;
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        ctx.state.Set(field::kConfirmQuitGame, "N");
        ctx.state.Set(field::kPlayer, "Ann");
        // The records of these games stay in the test's own folder.
        SetDataRoot(ctx.state, dir.Path());
        ASSERT_TRUE(LoadCatalog(ctx));
    }
    int Number(std::string_view name) const { return GameNumberByName(game.ctx, name); }
    std::filesystem::path Write(const char* name, const SavedGame& saved) {
        const auto file = dir / name;
        test::WriteFile(file, SavedGameText(saved));
        return file;
    }
    bool Open(const std::filesystem::path& file) {
        game.ui.QueueFileName(file);
        return OpenGame(game.ctx, game.hooks, OpenMode::kChooseFile);
    }

    test::TempDir dir;
    test::CatalogGame game;
};

TEST_F(SavedGameChecksTest, EveryGameSavedAfterItsDealAndSomePlayOpensAgain) {
    for (const std::string& line : game.ctx.game.catalog) {
        const auto number = CatalogNumber(line);
        ASSERT_TRUE(number);
        SCOPED_TRACE(CatalogName(line));
        ASSERT_TRUE(game.Deal(*number, "4242"));
        for (int press = 0; press < 3; ++press) game.Do("stock");
        const PositionSnapshot position = TakeSnapshot(game.ctx);
        const auto file = Write("played.gam", CaptureSavedGame(game.ctx, 30));
        game.ui.ClearLog();
        EXPECT_TRUE(Open(file));
        EXPECT_EQ(game.ui.Messages(), std::vector<std::string>{});
        EXPECT_EQ(TakeSnapshot(game.ctx), position);
    }
}

TEST_F(SavedGameChecksTest, APositionOfAnotherGameIsRefusedAndTheRunningGameGoesOn) {
    ASSERT_TRUE(game.Deal(Number("Freecell"), "777"));
    const SavedGame freecell = CaptureSavedGame(game.ctx, 0);
    ASSERT_TRUE(game.Deal(Number("Klondike"), "4242"));
    const PositionSnapshot running = TakeSnapshot(game.ctx);

    SavedGame asSpider = freecell;
    asSpider.game = Number("Spider (1 suit)");
    SavedGame asKlondike = freecell;
    asKlondike.game = Number("Klondike");
    SavedGame secondDeck = freecell;
    secondDeck.position[kSnapshotTableauLine].replace(0, 3, "060");
    const struct {
        const char* name;
        SavedGame saved;
        std::string says;
    } cases[] = {
        {"spider.gam", asSpider,
         "It does not hold a position of the game Spider (1 suit) (number 0009): it holds 52 "
         "cards, and this game is played with 104."},
        {"klondike.gam", asKlondike,
         "It does not hold a position of the game Klondike (number 0002): it has cards on "
         "tableau pile 8, which this game does not have."},
        {"second-deck.gam", secondDeck,
         "It does not hold a position of the game Freecell (number 0001): it holds cards that "
         "the deck of this game does not have."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto file = Write(c.name, c.saved);
        game.ui.ClearLog();
        EXPECT_FALSE(Open(file));
        EXPECT_EQ(game.ui.Messages(), std::vector<std::string>{file.string() + "\r" + c.says});
        EXPECT_TRUE(game.ctx.flags[Flag::kGameInProgress]);
        EXPECT_EQ(game.ctx.state.GetInt(field::kGameNumber), Number("Klondike"));
        EXPECT_EQ(TakeSnapshot(game.ctx), running);
    }
}

TEST_F(SavedGameChecksTest, FilesPastTheBoundsAreRefusedBeforeTheyAreRead) {
    ASSERT_TRUE(game.Deal(Number("Klondike"), "4242"));
    const PositionSnapshot running = TakeSnapshot(game.ctx);
    SavedGame saved = CaptureSavedGame(game.ctx, 0);

    // A long history: one step more than a saved game may hold.
    SavedGame endless = saved;
    const PositionSnapshot& step = saved.position;
    for (std::size_t i = 0; i <= kMaxSavedGameSteps; ++i) {
        endless.undo.stock.insert(endless.undo.stock.end(), step.begin(), step.begin() + 3);
        endless.undo.foundation.insert(endless.undo.foundation.end(), step.begin() + 3,
                                       step.begin() + 19);
        endless.undo.tableau.insert(endless.undo.tableau.end(), step.begin() + 19,
                                    step.begin() + 47);
        endless.undo.reserve.insert(endless.undo.reserve.end(), step.begin() + 47, step.end());
    }
    const auto longFile = Write("long.gam", endless);
    // A huge file: a saved game with a tail of nothing, far past the size bound.
    const auto hugeFile = Write("huge.gam", saved);
    std::filesystem::resize_file(hugeFile, kMaxSavedGameBytes + 1);

    const struct {
        std::filesystem::path file;
        std::string says;
    } cases[] = {
        {longFile, "Its history is longer than a saved game's: at most 50000 moves."},
        {hugeFile, "The file is too long for a saved game: at most 32 MB."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        game.ui.ClearLog();
        EXPECT_FALSE(Open(c.file));
        EXPECT_EQ(game.ui.Messages(), std::vector<std::string>{c.file.string() + "\r" + c.says});
        EXPECT_EQ(TakeSnapshot(game.ctx), running);
        EXPECT_TRUE(game.ctx.flags[Flag::kGameInProgress]);
    }
    // Just inside the bound, the same history opens.
    endless.undo.stock.resize(endless.undo.stock.size() - 3);
    endless.undo.foundation.resize(endless.undo.foundation.size() - 16);
    endless.undo.tableau.resize(endless.undo.tableau.size() - 28);
    endless.undo.reserve.resize(endless.undo.reserve.size() - 8);
    EXPECT_TRUE(Open(Write("long enough.gam", endless)));
}

}  // namespace
}  // namespace vis
