// Every game of the catalog dealt and painted through the render tool at the
// smallest and a large window: each pile the layout places shows a card, a
// back or its empty mark where the layout puts it, inside the window.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_context.h"
#include "model/catalog.h"
#include "model/rule_index.h"
#include "render/render_table.h"
#include "support/temp_dir.h"
#include "view/geometry/card_position.h"
#include "view/paint/mark_choice.h"
#include "view/paint/table_painter.h"

namespace vis::test {
namespace {

const std::filesystem::path kBuiltProgramDir = VIS_PROGRAM_DIR;
// A card, a back or a mark differs from the bare table in most of its
// pixels; a stray line or a shadow does not.
constexpr double kPaintedShare = 0.3;

// The game numbers of the built catalog.
std::vector<int> CatalogGames() {
    cli::CliSession session(kBuiltProgramDir);
    std::vector<int> games;
    if (!LoadCatalog(session.ctx)) return games;
    for (const std::string& line : session.ctx.game.catalog)
        if (const auto number = CatalogNumber(line)) games.push_back(*number);
    return games;
}

// The piles of the game that the layout placed.
std::vector<PileRef> PlacedPiles(const GameContext& ctx) {
    std::vector<PileRef> piles;
    const auto add = [&](PileList list, int count) {
        for (int i = 0; i < count; ++i)
            if (IsOnTable(ctx.game.layout, {list, i})) piles.push_back({list, i});
    };
    add(PileList::Mazzo, kMazzoPileCount);
    add(PileList::Dest, std::clamp<int>(ctx.rules[rule::kFoundationCount], 0, kDestPileCount));
    add(PileList::Fila, std::clamp<int>(ctx.rules[rule::kTableauCount], 0, kFilaPileCount));
    add(PileList::Appogg, std::clamp<int>(ctx.rules[rule::kReserveCount], 0, kAppoggPileCount));
    return piles;
}

double PaintedShare(const QImage& table, const QImage& background, const QRect& rect) {
    const QRect inside = rect.intersected(table.rect());
    if (inside.isEmpty()) return 0;
    int painted = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            painted += table.pixel(x, y) != background.pixel(x, y) ? 1 : 0;
    return static_cast<double>(painted) / (inside.width() * inside.height());
}

struct WindowSize {
    int width;
    int height;
};

class RenderCatalogTest : public ::testing::TestWithParam<WindowSize> {
protected:
    void SetUp() override {
        for (const char* file : {"GAMES.DAT", "VIS.RGF"})
            std::filesystem::create_symlink(kBuiltProgramDir / file, dir.Path() / file);
    }
    TempDir dir;
};

TEST_P(RenderCatalogTest, EveryPlacedPileShowsInsideTheWindow) {
    const std::vector<int> games = CatalogGames();
    ASSERT_GE(games.size(), 40u);
    const WindowSize size = GetParam();
    for (const int game : games) {
        render::RenderRequest request;
        request.programDir = dir.Path();
        request.game = std::to_string(game);
        request.deal = "1234567";
        request.size = QSize(size.width, size.height);
        int checked = 0;
        const auto inspect = [&](const GameContext& ctx, const TablePainter& painter) {
            const QImage& table = painter.Picture().BackBitmap();
            const QImage& background = painter.Picture().BackgroundBitmap();
            const TableLayout& layout = ctx.game.layout;
            for (const PileRef pile : PlacedPiles(ctx)) {
                const std::string& text = ctx.piles.Pile(pile);
                const std::string name = "game " + std::to_string(game) + " " + PileKey(pile);
                // A pile whose empty state has no mark shows nothing.
                if (text.empty() && !MarkSuffix(ctx, MarkKindOf(pile), pile.index)) continue;
                const Point top = CardPosition(ctx, pile, 0, false);
                const QRect card(QPoint(top.x, top.y + layout.scrollOffset),
                                 QSize(layout.cardWidth, layout.cardHeight));
                EXPECT_GE(card.left(), 0) << name;
                EXPECT_LT(card.right(), size.width) << name;
                EXPECT_GE(card.top(), 0) << name;
                EXPECT_GE(PaintedShare(table, background, card), kPaintedShare) << name;
                ++checked;
            }
        };
        ASSERT_TRUE(render::RenderTable(request, inspect)) << "game " << game;
        EXPECT_GT(checked, 0) << "game " << game;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, RenderCatalogTest,
                         ::testing::Values(WindowSize{800, 600}, WindowSize{1280, 1024}),
                         [](const auto& window) {
                             return std::to_string(window.param.width) + "x" +
                                    std::to_string(window.param.height);
                         });

}  // namespace
}  // namespace vis::test
