// What the player sees on the table and the toolbar of the real main window:
// labels, free cells after the deal, a covered card shown whole, the pile
// size tip, and a table larger than the window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "app/main_window_fixture.h"
#include "model/table_layout.h"

namespace vis {
namespace {

class TableWindowTest : public MainWindowTest {
protected:
    TableWidget& Table() { return *Window().Table(); }
    // The window point of the card at `slot` of a pile, 10 pixels into it.
    QPoint CardPoint(PileRef pile, int slot) {
        const int count = CardCount(Ctx().piles.Pile(pile));
        const Point at = CardPosition(Ctx(), pile, std::max(0, count - 1 - slot), false);
        return {at.x + Ctx().game.layout.cardWidth / 2 - Table().HorizontalOffset(), at.y + 10};
    }
    QRect CardRect(PileRef pile, int slot) {
        const QPoint point = CardPoint(pile, slot);
        const TableLayout& layout = Ctx().game.layout;
        return {point - QPoint(layout.cardWidth / 2, 10),
                QSize(layout.cardWidth, layout.cardHeight)};
    }
    // The pointer comes to rest at `at`, as the window system reports it.
    void Hover(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, Table().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&Table(), &move);
    }
    void Wheel(QPoint at, int notches, Qt::KeyboardModifiers keys) {
        QWheelEvent event(at, Table().mapToGlobal(at), QPoint(), QPoint(0, -120 * notches),
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&Table(), &event);
        QApplication::processEvents();
    }
};

// The large buttons show their hints whole, also once a game has changed
// the state of their commands; the clock and score stay off the buttons.
TEST_F(TableWindowTest, LargeToolbarButtonsShowTheirLabelsWhole) {
    dir.WritePreference("ToolBar_Large", "Y");
    dir.HoldKlondike();
    for (const QSize window : {QSize(1100, 800), QSize(650, 450)}) {
        SCOPED_TRACE(window.width());
        Start(window);
        ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
        auto* bar = Window().findChild<QToolBar*>(QStringLiteral("pnlTB"));
        ASSERT_NE(bar, nullptr);
        ASSERT_TRUE(bar->isVisible());
        const QStringList hints = {"New",  "Open",     "Restart",    "Save",  "Undo",
                                   "Redo", "Autoplay", "Statistics", "Rules", "Exit"};
        QStringList labels;
        int buttonsRight = 0;
        for (QAction* action : bar->actions()) {
            auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action));
            if (!tool) continue;
            labels << tool->text();
            SCOPED_TRACE(tool->text().toStdString());
            EXPECT_GE(tool->width(), 44);
            EXPECT_GE(tool->height(), 42);
            // Glyph and label fit the button: nothing elided, nothing cut.
            EXPECT_LE(tool->sizeHint().width(), tool->width());
            EXPECT_LE(tool->sizeHint().height(), tool->height());
            const QFontMetrics metrics(tool->font());
            EXPECT_LE(metrics.horizontalAdvance(tool->text()), tool->width());
            EXPECT_LE(bar->iconSize().height() + metrics.height(), tool->height());
            if (tool->isVisible())
                buttonsRight =
                    std::max(buttonsRight, tool->mapTo(&Window(), tool->rect().topRight()).x());
        }
        EXPECT_EQ(labels, hints);
        for (const char* name : {"pnlTempo", "pnlScore"}) {
            const QWidget* panel = Window().findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(panel, nullptr);
            if (panel->isVisible()) {
                EXPECT_GT(panel->x(), buttonsRight) << name;
            }
        }
        Window().close();
        program.reset();
        dir.HoldKlondike();
    }
}

TEST_F(TableWindowTest, EmptyFreeCellsShowTheirMarkAfterTheDeal) {
    Choose(QStringLiteral("Freecell"));
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    ASSERT_EQ(Ctx().state.Get(field::kGameName), "Freecell");
    const QImage dealt = Table().grab().toImage();
    Window().RepaintTable();
    const QImage repainted = Table().grab().toImage();
    for (int cell = 0; cell < Ctx().rules[rule::kReserveCount]; ++cell) {
        SCOPED_TRACE(cell);
        const PileRef pile{PileList::Appogg, cell};
        ASSERT_TRUE(Ctx().piles.Pile(pile).empty());
        const QRect rect = CardRect(pile, 0);
        EXPECT_EQ(dealt.copy(rect), repainted.copy(rect));
        EXPECT_EQ(dealt.copy(rect), dealt.copy(CardRect(PileRef{PileList::Appogg, 3}, 0)));
    }
}

TEST_F(TableWindowTest, RightButtonHeldOnACoveredCardShowsItWhole) {
    Choose(QStringLiteral("Freecell"));
    Start();
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    const PileRef pile{PileList::Fila, 0};
    const TablePicture& picture = Window().Painter().Picture();
    const std::string before = Ctx().piles.Pile(pile);
    const QPoint covered = CardPoint(pile, 2);
    QTest::mousePress(&Table(), Qt::RightButton, {}, covered);
    ASSERT_TRUE(picture.HasFloating());
    EXPECT_EQ(picture.FloatingRect().translated(0, -Table().ScrollOffset()), CardRect(pile, 2));
    const QImage shown = Table().grab().toImage();
    QTest::mouseRelease(&Table(), Qt::RightButton, {}, covered);
    EXPECT_FALSE(picture.HasFloating());
    const QImage covering = Table().grab().toImage();
    // The lower part of the card, under the cards above it, shows only
    // while the button is held.
    const QRect lower = CardRect(pile, 2).adjusted(0, 40, 0, 0);
    EXPECT_NE(shown.copy(lower), covering.copy(lower));
    EXPECT_EQ(Ctx().piles.Pile(pile), before);
}

// The tip is the player's choice ("Piles size after the pointer"), off at
// the first start.
TEST_F(TableWindowTest, ARestingPointerShowsThePileSizeWhenChosen) {
    dir.WritePreference("ShowPilesSize", "Y");
    Choose(QStringLiteral("Freecell"));
    Start();
    const PileRef pile{PileList::Fila, 0};
    const int cards = CardCount(Ctx().piles.Pile(pile));
    Hover(CardPoint(pile, cards - 1));
    auto* tip = Window().findChild<QWidget*>(QStringLiteral("pnlPilesSize"));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([tip] { return tip->isVisible(); }, 3000));
    const QLabel* count = tip->findChild<QLabel*>();
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(), QString::number(cards) + QStringLiteral(" cards"));
    Hover(CardPoint(pile, cards - 1) + QPoint(3, 3));
    EXPECT_FALSE(tip->isVisible());
}

// Spider in a small window: the bar and the wheel bring every pile into
// sight, and the mouse works there.
TEST_F(TableWindowTest, ATableWiderThanTheWindowScrollsSideways) {
    Choose(QStringLiteral("Spider"));
    Start({650, 450});
    ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    const TableLayout& layout = Ctx().game.layout;
    const int lastPile = Ctx().rules[rule::kTableauCount] - 1;
    const int right = layout.tableau[static_cast<std::size_t>(lastPile)].x + layout.cardWidth;
    ASSERT_GT(right, Table().width()) << "the window shows the whole table";
    auto* bar = Window().findChild<QScrollBar*>(QStringLiteral("scrBarHorizontal"));
    ASSERT_NE(bar, nullptr);
    // The bars are fitted once the deal has landed.
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }, 5000));

    const QPoint middle(Table().width() / 2, Table().height() / 2);
    Wheel(middle, 30, Qt::ShiftModifier);
    EXPECT_EQ(Table().HorizontalOffset(), bar->maximum());
    EXPECT_LE(right - Table().HorizontalOffset(), Table().width());
    for (int i = 0; i < Ctx().rules[rule::kFoundationCount]; ++i)
        EXPECT_LE(layout.foundations[static_cast<std::size_t>(i)].x + layout.cardWidth -
                      Table().HorizontalOffset(),
                  Table().width())
            << "foundation " << i;

    // The top card of the last pile, where the window shows it now, lifts.
    const PileRef pile{PileList::Fila, lastPile};
    const CardNumber top = TopCard(Ctx().piles.Pile(pile));
    const QPoint at = CardPoint(pile, CardCount(Ctx().piles.Pile(pile)) - 1);
    QTest::mousePress(&Table(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Ctx().game.draggedCard, top);
    QTest::mouseRelease(&Table(), Qt::LeftButton, {}, at);
    EXPECT_EQ(TopCard(Ctx().piles.Pile(pile)), top);

    // Back to the left edge, with the bar this time.
    Wheel(middle, -30, Qt::ShiftModifier);
    EXPECT_EQ(Table().HorizontalOffset(), 0);
    bar->setValue(bar->maximum());
    EXPECT_EQ(Table().HorizontalOffset(), bar->maximum());

    // The table's menu opens at the pointer, however far the table scrolled.
    const QPoint near(20, 20);
    QTest::mousePress(&Table(), Qt::RightButton, Qt::ControlModifier, near);
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QMenu* shown : Window().findChildren<QMenu*>())
                if (shown->isVisible()) menu = shown;
            return menu != nullptr;
        },
        2000));
    EXPECT_LE((menu->pos() - Table().mapToGlobal(near)).manhattanLength(), 2);
    menu->close();
    QTest::mouseRelease(&Table(), Qt::RightButton, Qt::ControlModifier, near);
}

}  // namespace
}  // namespace vis
