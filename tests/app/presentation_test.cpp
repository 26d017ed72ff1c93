// The winning animation on the main window's table, and the card counter
// window: what it marks, its options and its state over a restart.
#include <QAction>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include "app/main_window_fixture.h"
#include "app/presentation_commands.h"
#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/piles.h"
#include "model/rule_index.h"
#include "view/counter/card_counter_window.h"
#include "view/paint/table_painter.h"
#include "view/winning/winning_animation.h"

namespace vis {
namespace {

// Counts what reaches a widget past every application filter.
class ArrivalCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
            ++presses;
        return false;
    }
};

class PresentationTest : public MainWindowTest {
protected:
    void StartKlondike() {
        Choose(QStringLiteral("Klondike"));
        Start();
        ASSERT_TRUE(Ctx().flags[Flag::kGameInProgress]);
    }
    WinningArea Area() { return WinningAreaOf(Ctx(), *Window().Table(), 0); }
    // Runs the animation, doing `during` once it has started.
    qint64 Play(std::string_view style, int seconds, std::function<void()> during = {}) {
        if (during) QTimer::singleShot(150, &Window(), during);
        QElapsedTimer clock;
        clock.start();
        PlayWinningAnimation(Ctx(), Window().Painter(), *Window().Table(), Area(), style, seconds);
        return clock.elapsed();
    }
    QImage Table() { return Window().Painter().Picture().BackBitmap().copy(); }

    TfrmCardCounter& Counter() { return CardCounterOf(Window()); }
    const ResourceLibrary& Library() { return Window().Services().library; }
    // The picture a card's cell shows: its up or down picture, or empty.
    enum class Cell { kNone, kUp, kDown, kOther };
    Cell CellOf(CardNumber card) {
        const CounterPoint at = CounterCellAt(card);
        // The picture as the window draws it over its own colour.
        const auto shows = [&](std::string_view name) {
            const QImage picture = Library().Bitmap(name);
            QImage drawn(picture.size(), QImage::Format_RGB32);
            drawn.fill(Counter().palette().color(QPalette::Window));
            QPainter(&drawn).drawImage(0, 0, picture);
            return !picture.isNull() &&
                   Counter().Grid().copy(at.x, at.y, picture.width(), picture.height()) == drawn;
        };
        if (shows(kCounterEmptyCellName)) return Cell::kNone;
        if (shows(CounterCellName(RankOf(card), true))) return Cell::kUp;
        if (shows(CounterCellName(RankOf(card), false))) return Cell::kDown;
        return Cell::kOther;
    }
    // Where a card lies: in the stock area (stock, waste) or on the table.
    bool InStockArea(CardNumber card) {
        return FindCard(Pile(PileList::Mazzo, kStockIndex), card) >= 0 ||
               FindCard(Pile(PileList::Mazzo, kWasteIndex), card) >= 0;
    }
};

TEST_F(PresentationTest, EveryWinningStyleEndsOnTimeAndGivesTheInputBack) {
    StartKlondike();
    ArrivalCounter arrivals;
    Window().Table()->installEventFilter(&arrivals);
    for (const WinningStyle style : kWinningStyles) {
        SCOPED_TRACE(std::string(WinningStyleName(style)));
        const QImage before = Table();
        const qint64 took = Play(WinningStyleName(style), 1);
        EXPECT_GE(took, 1000);
        EXPECT_LT(took, 6000);
        EXPECT_NE(Table(), before);  // cards were painted over the table
        EXPECT_FALSE(Ctx().flags[Flag::kAnimationRunning]);
        // The input goes where it went before.
        QTest::mouseClick(Window().Table(), Qt::LeftButton, {}, QPoint(5, 300));
        EXPECT_EQ(arrivals.presses, 1);
        arrivals.presses = 0;
        Window().RepaintTable();
    }
}

TEST_F(PresentationTest, AClickOrAKeyStopsALongAnimationAndDoesNothingElse) {
    StartKlondike();
    ArrivalCounter arrivals;
    Window().Table()->installEventFilter(&arrivals);
    const std::string tableau = Pile(PileList::Fila, 6);
    const qint64 clicked = Play("Open order", 600, [&] {
        QTest::mousePress(Window().Table(), Qt::LeftButton, {}, TopCardPoint(6));
        QTest::mouseRelease(Window().Table(), Qt::LeftButton, {}, TopCardPoint(0));
    });
    EXPECT_LT(clicked, 30000);  // far short of the ten minutes asked for
    EXPECT_EQ(Pile(PileList::Fila, 6), tableau);
    EXPECT_EQ(Ctx().game.draggedCard, 0);
    const qint64 pressed =
        Play("Up to down", 600, [&] { QTest::keyClick(Window().Table(), Qt::Key_F2); });
    EXPECT_LT(pressed, 30000);
    EXPECT_EQ(Pile(PileList::Fila, 6), tableau);  // F2 dealt no new game
    EXPECT_EQ(arrivals.presses, 0);
}

TEST_F(PresentationTest, ACloseDuringTheAnimationStopsItAndWaitsForItsEnd) {
    StartKlondike();
    Play("Festoons", 600, [&] { Window().close(); });
    EXPECT_TRUE(Window().isVisible());  // put off, for the end of the game to honour
    EXPECT_TRUE(Ctx().game.closeAfterAnimation);
    Ctx().game.closeAfterAnimation = false;
}

TEST_F(PresentationTest, NoStyleOrAnUnknownOneShowsNothing) {
    StartKlondike();
    for (const std::string_view style : {"(None)", "Fireworks"}) {
        const QImage before = Table();
        EXPECT_LT(Play(style, 30), 1000);
        EXPECT_EQ(Table(), before) << style;
    }
}

TEST_F(PresentationTest, TheConfiguredAnimationAndDurationAreReadWithTheirLimits) {
    Start();
    EXPECT_EQ(ConfiguredWinningStyle(Ctx()), "(Random)");
    EXPECT_EQ(ConfiguredWinningSeconds(Ctx()), 30);
    for (const auto& [text, seconds] : std::initializer_list<std::pair<const char*, int>>{
             {"0", 10}, {"120", 120}, {"5000", 990}, {"lots", 30}}) {
        dir.WritePreference("Winning_Animations_Time", text);
        EXPECT_EQ(ConfiguredWinningSeconds(Ctx()), seconds) << text;
    }
}

TEST_F(PresentationTest, CounterTogglesFromTheMenuWithItsCheck) {
    StartKlondike();
    QAction* item = Window().Action(Command::kCardCounter);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_TRUE(Counter().isVisible());
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(Counter().isVisible());
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    Counter().close();  // its own close box
    EXPECT_FALSE(Counter().isVisible());
    EXPECT_FALSE(item->isChecked());
}

TEST_F(PresentationTest, CounterMarksEveryCardByItsAreaAndFaceInEachOption) {
    StartKlondike();
    Window().Action(Command::kCardCounter)->trigger();
    struct Case {
        const char* name;
        bool stockOnly;
        bool tableauOnly;
        bool inverted;
    };
    for (const Case& c :
         {Case{"both", false, false, false}, Case{"stock", true, false, false},
          Case{"tableau", false, true, false}, Case{"inverted", false, false, true}}) {
        SCOPED_TRACE(c.name);
        Counter().StockOnlyItem()->setChecked(c.stockOnly);
        Counter().TableauOnlyItem()->setChecked(c.tableauOnly);
        Counter().InvertedItem()->setChecked(c.inverted);
        Counter().RefreshCounter();
        for (CardNumber card = 1; card <= 52; ++card) {
            const bool stockArea = InStockArea(card);
            const bool shown = stockArea ? !c.tableauOnly : !c.stockOnly;
            const bool up =
                FindCard(Pile(PileList::Mazzo, kStockIndex), card) < 0 && Ctx().deck.IsFaceUp(card);
            const Cell expected =
                !shown ? Cell::kNone : (up != c.inverted ? Cell::kUp : Cell::kDown);
            EXPECT_EQ(CellOf(card), expected) << card;
        }
    }
}

TEST_F(PresentationTest, TheShownCounterFollowsACardDealtToTheWaste) {
    StartKlondike();
    Window().Action(Command::kCardCounter)->trigger();
    const CardNumber next = TopCard(Pile(PileList::Mazzo, kStockIndex));
    ASSERT_EQ(CellOf(next), Cell::kDown);
    const Point stock = CardPosition(Ctx(), PileRef{PileList::Mazzo, kStockIndex}, 0, false);
    QTest::mouseClick(Window().Table(), Qt::LeftButton, {},
                      QPoint(stock.x + 20, stock.y + 20 - Window().Table()->ScrollOffset()));
    QTRY_COMPARE(TopCard(Pile(PileList::Mazzo, kWasteIndex)), next);
    QTRY_COMPARE(CellOf(next), Cell::kUp);
}

TEST_F(PresentationTest, ACardLeavingTheWasteIsEmptiedThenDrawnUpWhereItsAreaShows) {
    StartKlondike();
    const CardNumber card = 30;
    struct Case {
        bool stockOnly;
        bool tableauOnly;
        Cell after;
    };
    for (const Case& c : {Case{true, false, Cell::kNone}, Case{false, true, Cell::kUp},
                          Case{false, false, Cell::kUp}}) {
        Counter().StockOnlyItem()->setChecked(c.stockOnly);
        Counter().TableauOnlyItem()->setChecked(c.tableauOnly);
        Counter().MarkCounterCard(card, static_cast<int>(CounterPileType::kWaste), true,
                                  CounterCellKind::kCard);
        Counter().MarkCounterCard(card, static_cast<int>(CounterPileType::kWaste), false,
                                  CounterCellKind::kNone);
        Counter().MarkCounterCard(card, static_cast<int>(CounterPileType::kTableau), true,
                                  CounterCellKind::kCard);
        EXPECT_EQ(CellOf(card), c.after) << c.stockOnly << c.tableauOnly;
    }
}

TEST_F(PresentationTest, CounterGridFollowsTheDeckSize) {
    EXPECT_EQ(CounterWindowHeight(52), 121);
    EXPECT_EQ(CounterWindowHeight(104), 194);
    EXPECT_EQ(CounterWindowHeight(156), 268);
    EXPECT_EQ(CounterWindowHeight(208), 340);
    struct Case {
        CardNumber card;
        int row;
    };
    for (const Case& c : {Case{1, 0}, Case{13, 0}, Case{14, 1}, Case{52, 3}, Case{53, 4},
                          Case{104, 7}, Case{105, -1}, Case{0, -1}})
        EXPECT_EQ(CounterRowOf(c.card), c.row) << c.card;
    EXPECT_EQ(CounterCellAt(1).x, 16);
    EXPECT_EQ(CounterCellAt(26).x, 13 * 14 + 2);
    EXPECT_EQ(CounterCellAt(26).y, 3 + 18);
    EXPECT_EQ(CounterRowSuit(5), 1);  // diamonds of the second deck
}

TEST_F(PresentationTest, CounterOptionsAndVisibilitySurviveARestart) {
    StartKlondike();
    Window().Action(Command::kCardCounter)->trigger();
    Counter().StockOnlyItem()->trigger();
    Counter().InvertedItem()->trigger();
    Counter().move(130, 140);
    QTRY_COMPARE(Counter().pos(), QPoint(130, 140));
    EXPECT_EQ(dir.Preference("CardCounter_Stock"), "Y");  // saved at each option
    Counter().TableauOnlyItem()->trigger();               // the other area item goes out
    EXPECT_FALSE(Counter().StockOnlyItem()->isChecked());
    Counter().StockOnlyItem()->trigger();
    Window().close();
    EXPECT_EQ(dir.Preference("CardCounter_Visible"), "Y");
    EXPECT_EQ(dir.Preference("CardCounter_Tableau"), "N");
    program.reset();

    dir.WritePreference("CardCounter_Tableau", "Y");  // both: the stock wins
    Start();
    QTRY_VERIFY(Counter().isVisible());
    EXPECT_TRUE(Window().Action(Command::kCardCounter)->isChecked());
    EXPECT_TRUE(Counter().StockOnlyItem()->isChecked());
    EXPECT_FALSE(Counter().TableauOnlyItem()->isChecked());
    EXPECT_TRUE(Counter().InvertedItem()->isChecked());
    EXPECT_EQ(Counter().pos(), QPoint(130, 140));
}

}  // namespace
}  // namespace vis
