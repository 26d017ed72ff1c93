// The real program under a private X server: started on a fresh program
// directory holding a Klondike deal, played with real mouse events, closed
// and started again. Screenshots show what the player would see.
#include <gtest/gtest.h>

#include <QThread>

#include "app/e2e_support.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/move_rules.h"
#include "game/open_game.h"
#include "model/catalog.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "view/geometry/card_position.h"

namespace vis {
namespace {

using test::DifferenceBox;
using test::IsTableGreen;
using test::kScreenHeight;
using test::kScreenWidth;
using test::Screenshot;
using test::SettledScreenshot;
using test::TableRect;
using test::WaitForWindow;
using test::XDo;

// The held game laid out headless for the same table, so the test knows
// where the program draws each card.
struct Replica {
    Replica(const std::filesystem::path& dir, const std::filesystem::path& held, QSize table) {
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        SetProgramDir(ctx.state, dir);
        ctx.state.Set(field::kPlayer, "Player 1");
        ctx.state.Set(field::kCardSize, "B");
        ctx.state.Set(field::kCardsShadowed, "Y");
        LoadCatalog(ctx);
        hooks.SetWindow({.top = 5,
                         .width = table.width(),
                         .bottom = table.height() - 1,
                         .formHeight = table.height() + 60},
                        {kScreenWidth, kScreenHeight});
        opened = OpenGame(ctx, hooks, OpenMode::kHeldGame, held);
    }
    HeadlessUi ui;
    GameContext ctx{ui};
    AutoplayPlayHooks play;
    EngineHooks hooks{play};
    bool opened = false;
};

using EndToEndTest = test::RealProgramTest;

TEST_F(EndToEndTest, KlondikeIsPlayedWithTheMouseAndTheWindowComesBackAsLeft) {
    dir.CopyProgram();
    dir.HoldKlondike();
    const auto heldCopy = dir / "held-copy.gam";
    std::filesystem::copy_file(dir / "DATA" / "Stat_e01.dat", heldCopy);
    dir.WritePreference("MainWindowState_Maximized", "N");
    dir.WritePreference("MainWindowState_Left", "60");
    dir.WritePreference("MainWindowState_Top", "40");
    dir.WritePreference("MainWindowState_Width", "1000");
    dir.WritePreference("MainWindowState_Height", "760");

    Launch();
    const auto window = WaitForWindow(QStringLiteral("Vistrane 2000 \\[Klondike\\]"));
    ASSERT_TRUE(window) << "the held Klondike did not come up";
    EXPECT_EQ(window->rect.size(), QSize(1000, 760));
    QThread::msleep(800);
    QImage before = Screenshot();
    const QRect table = TableRect(before, window->rect);
    ASSERT_FALSE(table.isEmpty()) << "no table background on the screen";
    before = SettledScreenshot(table);

    Replica replica(dir.Path(), heldCopy, table.size());
    ASSERT_TRUE(replica.opened);
    GameContext& ctx = replica.ctx;
    const TableLayout& layout = ctx.game.layout;
    const auto screenPoint = [&](Point p) { return table.topLeft() + QPoint(p.x, p.y); };
    const auto topCard = [&](int pile) {
        return screenPoint(CardPosition(ctx, PileRef{PileList::Fila, pile}, 0, false)) +
               QPoint(layout.cardWidth / 2, 12);
    };
    const auto nextPlace = [&](int pile) {
        return screenPoint(CardPosition(ctx, PileRef{PileList::Fila, pile}, 0, true)) +
               QPoint(layout.cardWidth / 2, layout.cardHeight - 8);
    };

    // Key pixels: a card face where the layout puts the first pile, and the
    // table below the tallest pile.
    EXPECT_GT(before.pixelColor(topCard(0)).lightness(), 180) << "no card face at the first pile";
    EXPECT_TRUE(IsTableGreen(before.pixelColor(table.left() + 5, table.bottom() - 5)));

    // One legal and one illegal tableau move of the deal.
    const int piles = ctx.rules[rule::kTableauCount];
    std::optional<std::pair<int, int>> legal;
    std::optional<std::pair<int, int>> illegal;
    ctx.game.singleCardMove = true;
    for (int i = 0; i < piles; ++i) {
        for (int j = 0; j < piles; ++j) {
            if (i == j) continue;
            const CardNumber card = TopCard(ctx.piles.Pile(PileList::Fila, i));
            const bool ok = CanPlayToTableau(ctx, card, j, false);
            if (ok && !legal) legal = std::pair(i, j);
            if (!ok && !illegal) illegal = std::pair(i, j);
        }
    }
    ASSERT_TRUE(legal && illegal);

    Drag(topCard(illegal->first), topCard(illegal->second));
    QImage afterIllegal = SettledScreenshot(table);
    EXPECT_EQ(afterIllegal.copy(table), before.copy(table))
        << "an illegal drop changed the table: "
        << DifferenceBox(afterIllegal.copy(table), before.copy(table)).toStdString();

    const QPoint landing = nextPlace(legal->second);
    EXPECT_TRUE(IsTableGreen(before.pixelColor(landing)));
    Drag(topCard(legal->first), topCard(legal->second));
    const QImage afterMove = SettledScreenshot(table);
    EXPECT_FALSE(IsTableGreen(afterMove.pixelColor(landing))) << "the card did not land";

    XDo({QStringLiteral("key"), QStringLiteral("ctrl+z")});
    QThread::msleep(500);
    const QImage afterUndo = SettledScreenshot(table);
    EXPECT_TRUE(IsTableGreen(afterUndo.pixelColor(landing))) << "undo left the card";
    EXPECT_EQ(afterUndo.copy(table), before.copy(table))
        << DifferenceBox(afterUndo.copy(table), before.copy(table)).toStdString();

    Close(*window);
    EXPECT_EQ(dir.Preference("MainWindowState_Maximized"), "N");
    EXPECT_EQ(dir.Preference("MainWindowState_Width"), "1000");
    EXPECT_EQ(dir.Preference("AutoPlay"), "Y");
    // The unfinished game went to the records as not won.
    EXPECT_TRUE(std::filesystem::exists(dir / "DATA" / "STAT.DAT"));

    // Started again: no held game, so the game selection opens over the
    // same window; Klondike is chosen in it with the keyboard.
    Launch();
    const auto selection = WaitForWindow(QStringLiteral("^Open a game$"));
    ASSERT_TRUE(selection) << "the game selection did not open";
    const auto again = WaitForWindow(QStringLiteral("Vistrane 2000 \\["));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->rect, window->rect);
    QThread::msleep(500);
    XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), selection->id});
    XDo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"),
         QStringLiteral("Klondike")});
    XDo({QStringLiteral("key"), QStringLiteral("Return")});
    const auto dealt = WaitForWindow(QStringLiteral("Vistrane 2000 \\[Klondike\\]"));
    ASSERT_TRUE(dealt) << "choosing Klondike dealt no Klondike";
    // The deal may be animated: give it time to fill the row of piles (any
    // one pile may have lost its card to autoplay, so the row is counted).
    const auto lightPixelsInRow = [&] {
        const QImage shot = Screenshot();
        int light = 0;
        for (int x = table.left(); x <= table.right(); ++x)
            if (shot.pixelColor(x, topCard(0).y()).lightness() > 180) ++light;
        return light;
    };
    bool cardsDealt = false;
    for (int wait = 0; wait < 100 && !cardsDealt; ++wait) {
        QThread::msleep(100);
        cardsDealt = lightPixelsInRow() > 2 * layout.cardWidth;
    }
    EXPECT_TRUE(cardsDealt) << "no cards dealt on the tableau";
    Close(*dealt);
}

}  // namespace
}  // namespace vis

int main(int argc, char* argv[]) {
    return vis::test::RunUnderXServer(argc, argv);
}
