// The first hour of a newcomer, played on the real program under a private
// X server with real keys: choose FreeCell, deal again, save, replay a deal
// by its number, restart it, quit the game, hold one and come back to it.
// What is checked is what the player sees and keeps: the caption, the
// saved files and the tables they hold.
#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QThread>
#include <fstream>
#include <sstream>

#include "app/e2e_support.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "game/new_game.h"
#include "game/restart_game.h"
#include "model/catalog.h"
#include "model/headless_ui.h"
#include "model/position_snapshot.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/saved_game_file.h"

namespace vis {
namespace {

using test::PressKeys;
using test::TypeText;
using test::WaitForWindow;
using test::WindowBounds;
using test::WindowCaption;
using test::XDo;

const QRegularExpression kDealInCaption(QStringLiteral("  \\[(\\d{13})\\]$"));

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The deal as the core deals it, without the program: the table a saved
// game of that deal starts from.
PositionSnapshot DealtPosition(const std::filesystem::path& dir, const std::string& gameName,
                               const std::string& deal) {
    HeadlessUi ui;
    GameContext ctx(ui);
    ctx.state.Set(field::kConfigPath, "DATA\\CFG.DAT");
    SetProgramDir(ctx.state, dir);
    ctx.state.Set(field::kPlayer, "Player 1");
    ctx.state.Set(field::kCardSize, "B");
    ctx.state.Set(field::kDealAnimation, "N");
    EXPECT_TRUE(LoadCatalog(ctx));
    AutoplayPlayHooks play;
    EngineHooks hooks(play);
    const int game = GameNumberByName(ctx, gameName);
    EXPECT_TRUE(StartGame(
        ctx, hooks, {.number = game, .name = gameName, .player = "Player 1", .dealNumber = deal}));
    return TakeSnapshot(ctx);
}

// The position a saved game started from: its oldest undo step, or the
// position itself when no move was made (autoplay may have moved aces).
PositionSnapshot FirstPosition(const SavedGame& saved) {
    return saved.undo.IsEmpty() ? saved.position : FirstSnapshot(saved.undo);
}

class FirstHourTest : public test::RealProgramTest {
protected:
    void SetUp() override {
        dir.CopyProgram();
        // The player's own folders, where the save dialog is to start.
        std::filesystem::create_directories(Documents());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), QString::fromStdString((dir / "home").string()));
        env.insert(QStringLiteral("XDG_DOCUMENTS_DIR"),
                   QString::fromStdString(Documents().string()));
        program.setProcessEnvironment(env);
    }
    std::filesystem::path Documents() const { return dir / "home" / "Documents"; }

    // The main window, waited for by the game name in its caption.
    WindowBounds MainWindow(const QString& game) {
        const auto window = WaitForWindow(QStringLiteral("^Vistrane 2000 \\[") + game);
        EXPECT_TRUE(window) << "no main window showing " << game.toStdString();
        return window.value_or(WindowBounds{});
    }
    void Focus(const WindowBounds& window) {
        XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id});
        QThread::msleep(200);
    }
    // A command that asks first ("Restart this game?"): its keys pressed
    // until the question shows (a key pressed while the table is still
    // being drawn may be swallowed), then OK.
    void AnswerOk(const WindowBounds& window, const QString& keys) {
        const auto question = OpenWith(window, keys, QStringLiteral("^Vistrane 2000$"));
        ASSERT_TRUE(question) << "no question after " << keys.toStdString();
        PressKeys(QStringLiteral("Return"));
        QThread::msleep(800);
    }
    // The window a command opens, its keys pressed again when the first
    // press was swallowed; focused.
    std::optional<WindowBounds> OpenWith(const WindowBounds& window, const QString& keys,
                                         const QString& pattern) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Focus(window);
            PressKeys(keys);
            if (auto opened = WaitForWindow(pattern)) {
                QThread::msleep(400);
                Focus(*opened);
                return opened;
            }
        }
        return std::nullopt;
    }
    // F2 until the caption names a new deal.
    QString DealAfterF2(const WindowBounds& window, const QString& old) {
        QString deal = old;
        for (int attempt = 0; attempt < 3 && deal == old; ++attempt) {
            Focus(window);
            PressKeys(QStringLiteral("F2"));
            deal = DealShown(window, old);
        }
        return deal;
    }
    // The deal number in the caption once it shows one other than `old`.
    QString DealShown(const WindowBounds& window, const QString& old = {}) {
        QString deal;
        for (int wait = 0; wait < 50; ++wait) {
            deal = kDealInCaption.match(WindowCaption(window)).captured(1);
            if (!deal.isEmpty() && deal != old) return deal;
            QThread::msleep(100);
        }
        return deal;
    }
    // The game selection, answered with the keyboard: the game typed, or Esc.
    void AnswerSelection(const QString& game) {
        const auto selection = WaitForWindow(QStringLiteral("^Open a game$"));
        ASSERT_TRUE(selection) << "the game selection did not open";
        QThread::msleep(400);
        Focus(*selection);
        if (game.isEmpty()) {
            PressKeys(QStringLiteral("Escape"));
            return;
        }
        TypeText(game);
        PressKeys(QStringLiteral("Return"));
    }
    // File > Save with only a name typed: the dialog's own folder takes it.
    SavedGame SaveAs(const WindowBounds& window, const std::string& name) {
        const auto dialog =
            OpenWith(window, QStringLiteral("shift+ctrl+F12"), QStringLiteral("^Save game$"));
        EXPECT_TRUE(dialog) << "no save dialog";
        TypeText(QString::fromStdString(name));
        PressKeys(QStringLiteral("Return"));
        const auto file = Documents() / (name + ".gam");
        for (int wait = 0; wait < 50 && !std::filesystem::exists(file); ++wait)
            QThread::msleep(100);
        EXPECT_TRUE(std::filesystem::exists(file)) << "not saved in the documents folder";
        std::string error;
        const auto saved = ParseSavedGame(ReadText(file), error);
        EXPECT_TRUE(saved) << error;
        return saved.value_or(SavedGame{});
    }
    // The saved game holds the deal the caption names, and its table.
    void ExpectSavedDeal(const SavedGame& saved, const QString& caption, const std::string& game) {
        const std::string deal = Trim(saved.dealNumber);
        EXPECT_EQ(deal, caption.toStdString()) << "the caption names another deal";
        EXPECT_EQ(FirstPosition(saved), DealtPosition(dir.Path(), game, caption.toStdString()))
            << "the table is not the deal of the caption's number";
    }
};

TEST_F(FirstHourTest, ANewcomersFirstHour) {
    Launch();
    AnswerSelection(QStringLiteral("Freecell"));
    WindowBounds window = MainWindow(QStringLiteral("Freecell"));
    ASSERT_FALSE(window.id.isEmpty());
    const QString first = DealShown(window);
    EXPECT_FALSE(first.isEmpty()) << "the first deal shows no number: "
                                  << WindowCaption(window).toStdString();

    // F2, and the saved game holds the number and the table of the caption.
    const QString second = DealAfterF2(window, first);
    ASSERT_NE(second, first) << "F2 dealt no new number";
    ExpectSavedDeal(SaveAs(window, "first"), second, "Freecell");
    // The folder is remembered just after the file is written.
    for (int wait = 0; wait < 20 && dir.Preference("Dir_Save").empty(); ++wait)
        QThread::msleep(100);
    EXPECT_EQ(dir.Preference("Dir_Save"), Documents().string());

    // F3 with a number typed over the one offered deals that number; a
    // restart deals it again.
    const auto numberDialog =
        OpenWith(window, QStringLiteral("F3"), QStringLiteral("^Select a game number$"));
    ASSERT_TRUE(numberDialog);
    TypeText(QStringLiteral("1234567"));
    PressKeys(QStringLiteral("Return"));
    const QString chosen = QStringLiteral("0000001234567");
    EXPECT_EQ(DealShown(window, second), chosen);
    AnswerOk(window, QStringLiteral("ctrl+F2"));
    EXPECT_EQ(DealShown(window), chosen);
    ExpectSavedDeal(SaveAs(window, "restarted"), chosen, "Freecell");

    // Quitting the game: Cancel in the selection leaves a table without a game.
    ASSERT_TRUE(OpenWith(window, QStringLiteral("ctrl+q"), QStringLiteral("^Open a game$")));
    AnswerSelection({});
    QThread::msleep(500);
    const QString empty = WindowCaption(window);
    EXPECT_EQ(empty.indexOf(QStringLiteral("Freecell")), -1) << empty.toStdString();
    EXPECT_FALSE(kDealInCaption.match(empty).hasMatch()) << empty.toStdString();

    // A game chosen, held on exit, and back at the next start with every
    // game command working.
    ASSERT_TRUE(OpenWith(window, QStringLiteral("ctrl+F12"), QStringLiteral("^Open a game$")));
    AnswerSelection(QStringLiteral("Klondike"));
    window = MainWindow(QStringLiteral("Klondike"));
    const QString held = DealShown(window);
    bool closed = false;
    for (int attempt = 0; attempt < 4 && !closed; ++attempt) {
        Focus(window);
        PressKeys(QStringLiteral("Escape"));
        PressKeys(QStringLiteral("alt+f"));
        QThread::msleep(300);
        PressKeys(QStringLiteral("h"));  // "&Hold and exit..."
        closed = program.waitForFinished(4000);
    }
    ASSERT_TRUE(closed) << "Hold and exit did not end the program";
    const auto heldFile = dir / "DATA" / "Stat_e01.dat";
    ASSERT_TRUE(std::filesystem::exists(heldFile));

    Launch();
    window = MainWindow(QStringLiteral("Klondike"));
    EXPECT_EQ(DealShown(window), held);
    EXPECT_TRUE(std::filesystem::exists(heldFile)) << "a crash now would lose the held game";
    const auto again =
        OpenWith(window, QStringLiteral("F3"), QStringLiteral("^Select a game number$"));
    EXPECT_TRUE(again) << "F3 does nothing after the resume";
    if (again) PressKeys(QStringLiteral("Escape"));
    AnswerOk(window, QStringLiteral("ctrl+F2"));
    EXPECT_EQ(DealShown(window), held) << "the restart changed the deal";
    EXPECT_FALSE(std::filesystem::exists(heldFile)) << "recorded, yet still held";
    EXPECT_NE(DealAfterF2(window, held), held) << "F2 does nothing after the resume";
    Close(window);

    // Nothing held any more: the next start opens the game selection.
    Launch();
    AnswerSelection({});
    const auto last = MainWindow({});
    Close(last);
}

}  // namespace
}  // namespace vis

int main(int argc, char* argv[]) {
    return vis::test::RunUnderXServer(argc, argv);
}
