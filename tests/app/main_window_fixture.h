// The program started in-process on a fresh program directory, its window
// shown at a fixed size, for the tests that drive the main window.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "app/program_dir_fixture.h"
#include "app/table_widget.h"
#include "dialogs/game_tree_view.h"
#include "dialogs/open_game_dialog.h"
#include "model/piles.h"
#include "records/game_tree.h"
#include "view/geometry/card_position.h"

namespace vis {

// The program started on a fresh program directory, its window shown at a
// fixed size; the first activation runs as the window comes up. When it
// opens the game selection, `chooseGame` answers it (by default Cancel).
class MainWindowTest : public ::testing::Test {
protected:
    void Start(QSize size = {1100, 800}) {
        program = std::make_unique<Program>(dir.Path());
        ASSERT_FALSE(program->StartUp().has_value());
        AnswerGameSelection();
        Window().setWindowState(Qt::WindowNoState);
        Window().setGeometry(20, 20, size.width(), size.height());
        Window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
        QTest::qWait(50);
    }
    // The dialog runs its own event loop, so it is answered from a timer.
    void AnswerGameSelection() {
        auto* timer = new QTimer(&Window());
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<TfrmOpenGame*>(QApplication::activeModalWidget());
            if (!dialog) return;
            ++gameSelections;
            if (chooseGame) chooseGame(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        timer->start();
    }
    // Answers each modal dialog of type T once it shows, from a timer
    // because the dialog runs its own event loop.
    template <typename T>
    void AnswerEach(std::function<void(T&)> answer) {
        auto* timer = new QTimer(&Window());
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, [answer] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
                if (dialog->isVisible()) answer(*dialog);
        });
        timer->start();
    }
    // The game selection at the first start chooses the game of that name.
    void Choose(const QString& name) {
        chooseGame = [name](TfrmOpenGame& dialog) {
            GameTreeView& tree = *dialog.Tree();
            QTreeWidgetItem* folder = tree.OpenFolder(tree_code::kAllGames);
            ASSERT_NE(folder, nullptr);
            tree.FillFolder(folder);
            bool found = false;
            for (int i = 0; i < folder->childCount(); ++i) {
                if (folder->child(i)->text(0) != name) continue;
                tree.setCurrentItem(folder->child(i));
                found = true;
            }
            ASSERT_TRUE(found) << name.toStdString();
            dialog.btnOKClick();
        };
    }
    TfrmMain& Window() { return program->Window(); }
    GameContext& Ctx() { return program->Session().ctx; }
    const std::string& Pile(PileList list, int index) { return Ctx().piles.Pile(list, index); }
    // The text of the score or time panel.
    QString PanelText(const char* panel) {
        const QList<QLabel*> labels = Window().findChild<QWidget*>(panel)->findChildren<QLabel*>();
        return labels.isEmpty() ? QString() : labels.last()->text();
    }
    QString DealInCaption() {
        static const QRegularExpression deal(QStringLiteral("\\[(\\d{13})\\]$"));
        return deal.match(Window().windowTitle()).captured(1);
    }

    // The middle of the top card of tableau pile `index`, in window pixels.
    QPoint TopCardPoint(int index) {
        const Point at = CardPosition(Ctx(), PileRef{PileList::Fila, index}, 0, false);
        return {at.x + Ctx().game.layout.cardWidth / 2,
                at.y + 10 - Window().Table()->ScrollOffset()};
    }
    void Drag(QPoint from, QPoint to) {
        TableWidget* table = Window().Table();
        QTest::mousePress(table, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(table, from + (to - from) * step / 4);
        QTest::mouseRelease(table, Qt::LeftButton, {}, to);
    }

    test::ProgramDir dir;
    std::unique_ptr<Program> program;
    std::function<void(TfrmOpenGame&)> chooseGame;
    int gameSelections = 0;
};

}  // namespace vis
