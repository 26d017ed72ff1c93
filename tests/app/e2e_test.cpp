// The real program under a private X server: started on a fresh program
// directory holding a Klondike deal, played with real mouse events, closed
// and started again. Screenshots show what the player would see.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <algorithm>

#include "app/program_dir_fixture.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/move_rules.h"
#include "model/catalog.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "records/open_game.h"
#include "view/geometry/card_position.h"

namespace vis {
namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

// xdotool with arguments; its standard output.
QString XDo(const QStringList& arguments, int timeoutMs = 10000) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(timeoutMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QImage Screenshot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// The screen once `area` has stopped changing (a card may still be sliding
// on a loaded machine), or after five seconds.
QImage SettledScreenshot(const QRect& area) {
    QImage last = Screenshot();
    for (int wait = 0; wait < 25; ++wait) {
        QThread::msleep(200);
        QImage next = Screenshot();
        if (next.copy(area) == last.copy(area)) return next;
        last = std::move(next);
    }
    return last;
}

// Where two screenshots differ, for the failure message.
QString DifferenceBox(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return QStringLiteral("differs in %1,%2 %3x%4")
        .arg(box.x())
        .arg(box.y())
        .arg(box.width())
        .arg(box.height());
}

bool IsTableGreen(QColor c) {
    return c.green() > c.red() + 30 && c.green() > c.blue() + 30;
}

struct WindowBounds {
    QString id;
    QRect rect;
};

// Waits for a window whose caption matches `pattern`.
std::optional<WindowBounds> WaitForWindow(const QString& pattern) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QStringList ids = XDo({QStringLiteral("search"), QStringLiteral("--name"), pattern})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // Qt keeps small helper windows with the same name.
        for (const QString& id : ids) {
            const QStringList shell =
                XDo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id})
                    .split(QLatin1Char('\n'));
            std::map<QString, int> values;
            for (const QString& line : shell)
                values[line.section(QLatin1Char('='), 0, 0)] =
                    line.section(QLatin1Char('='), 1).toInt();
            if (values[QStringLiteral("WIDTH")] > 100)
                return WindowBounds{
                    id, QRect(values[QStringLiteral("X")], values[QStringLiteral("Y")],
                              values[QStringLiteral("WIDTH")], values[QStringLiteral("HEIGHT")])};
        }
        QThread::msleep(100);
    }
    return std::nullopt;
}

// The table: below the toolbar, the first green row of the window's left edge.
QRect TableRect(const QImage& screen, const QRect& window) {
    for (int y = window.top(); y < window.bottom(); ++y)
        if (IsTableGreen(screen.pixelColor(window.left() + 3, y)))
            return QRect(window.left(), y, window.width(), window.bottom() - y + 1);
    return {};
}

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

class EndToEndTest : public ::testing::Test {
protected:
    void Launch() {
        program.setWorkingDirectory(QString::fromStdString(dir.Path().string()));
        program.start(QString::fromStdString((dir / "vistrane").string()), {});
        ASSERT_TRUE(program.waitForStarted());
    }
    void Close(const WindowBounds& window) {
        // E&xit from the &File menu, as the player would. Keys pressed while
        // autoplay slides a card are swallowed, so the player tries again.
        bool closed = false;
        for (int attempt = 0; attempt < 4 && !closed; ++attempt) {
            XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id});
            XDo({QStringLiteral("key"), QStringLiteral("Escape")});
            XDo({QStringLiteral("key"), QStringLiteral("alt+f")});
            QThread::msleep(300);
            XDo({QStringLiteral("key"), QStringLiteral("x")});
            closed = program.waitForFinished(4000);
        }
        ASSERT_TRUE(closed) << "the program did not close";
        EXPECT_EQ(program.exitCode(), 0);
    }
    // Presses at `from`, moves in steps and releases at `to` (screen pixels).
    static void Drag(QPoint from, QPoint to) {
        const auto move = [](QPoint p) {
            XDo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
        };
        move(from);
        XDo({QStringLiteral("mousedown"), QStringLiteral("1")});
        for (int step = 1; step <= 6; ++step) {
            move(from + (to - from) * step / 6);
            QThread::msleep(30);
        }
        XDo({QStringLiteral("mouseup"), QStringLiteral("1")});
        QThread::msleep(500);
    }
    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    }

    test::ProgramDir dir;
    QProcess program;
};

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
            const bool ok = CanPlayToTableau(ctx, card, j);
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

// A private X server for the whole run, on the first free display.
class XServer {
public:
    XServer() {
        for (int number = 90; number < 190 && display_.empty(); ++number) {
            const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
            const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
            if (std::filesystem::exists(lock) || std::filesystem::exists(socket)) continue;
            pid_ = fork();
            if (pid_ == 0) {
                const std::string display = ":" + std::to_string(number);
                const std::string screen =
                    std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
                execlp("Xvfb", "Xvfb", display.c_str(), "-screen", "0", screen.c_str(), "-nolisten",
                       "tcp", static_cast<char*>(nullptr));
                _exit(127);
            }
            for (int wait = 0; wait < 100; ++wait) {
                if (std::filesystem::exists(socket)) {
                    display_ = ":" + std::to_string(number);
                    break;
                }
                if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                    pid_ = -1;
                    break;
                }
                usleep(50000);
            }
        }
    }
    ~XServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

}  // namespace
}  // namespace vis

int main(int argc, char* argv[]) {
    vis::XServer server;
    if (server.Display().empty()) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    setenv("DISPLAY", server.Display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
