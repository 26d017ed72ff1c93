// The program started in-process on a program directory of its own: what
// the start does with a folder it cannot write or a games file cut short,
// the way back from "Open a saved game...", and the caption's text.
#include "app/program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/main_window.h"
#include "app/program_dir_fixture.h"
#include "dialogs/open_game_dialog.h"
#include "model/config_file.h"
#include "model/preference_keys.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

// Answers the modal windows as they come up, from a timer, since each runs
// its own event loop: message boxes are read and closed, the others are
// handed to `answer`.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget&)> answer = {}) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages.push_back(box->text());
                box->accept();
            } else if (answer_) {
                answer_(*modal);
            }
        });
        timer_.start(20);
    }
    QStringList messages;

private:
    std::function<void(QWidget&)> answer_;
    QTimer timer_;
};

// XDG_DATA_HOME set for one test: where the user's data folder lies.
class UserDataHome {
public:
    explicit UserDataHome(const std::filesystem::path& home)
        : old_(qgetenv("XDG_DATA_HOME")), hadOld_(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.string()));
    }
    ~UserDataHome() {
        if (hadOld_)
            qputenv("XDG_DATA_HOME", old_);
        else
            qunsetenv("XDG_DATA_HOME");
    }

private:
    QByteArray old_;
    bool hadOld_;
};

class ProgramTest : public ::testing::Test {
protected:
    std::optional<int> StartUp() {
        program = std::make_unique<Program>(dir.Path());
        return program->StartUp();
    }
    // Shows the window, lets the first activation run and waits for the
    // game selection to have come and gone `times` times.
    void ShowAndWaitForSelections(int times) {
        program->Window().setWindowState(Qt::WindowNoState);
        program->Window().setGeometry(20, 20, 900, 700);
        program->ShowMainWindow();
        for (int wait = 0; wait < 300 && selections < times; ++wait) QTest::qWait(20);
        QTest::qWait(50);
    }
    std::string UserDefault(const std::filesystem::path& config) const {
        return ReadPref(config, kPreferenceSection, "UserDefault", "");
    }

    test::ProgramDir dir;
    test::TempDir userHome;
    std::unique_ptr<Program> program;
    int selections = 0;
};

TEST_F(ProgramTest, AProgramDirectoryThatCannotBeWrittenKeepsThePlayersFilesInTheUserFolder) {
    // A file where the DATA folder should be refuses even a root user.
    test::WriteFile(dir / "DATA", "");
    UserDataHome home(userHome.Path());
    ModalAnswerer answerer([this](QWidget& modal) {
        if (qobject_cast<TfrmOpenGame*>(&modal)) {
            ++selections;
            static_cast<QDialog&>(modal).reject();
        }
    });
    ASSERT_EQ(StartUp(), std::nullopt);
    ShowAndWaitForSelections(1);
    EXPECT_EQ(answerer.messages, QStringList{}) << "nothing to say: the files have a home";
    const auto config = userHome / "Vistrane 2000" / "DATA" / "CFG.DAT";
    EXPECT_EQ(UserDefault(config), "Player 1");
    program->Window().close();
    EXPECT_EQ(ReadPref(config, kPreferenceSection, "AutoPlay", ""), "Y");
}

TEST_F(ProgramTest, WithNoFolderToWriteTheStartSaysSoOnceAndPlayGoesOn) {
    test::WriteFile(dir / "DATA", "");
    test::WriteFile(userHome / "blocked", "");
    UserDataHome home(userHome / "blocked");
    ModalAnswerer answerer([this](QWidget& modal) {
        if (auto* selection = qobject_cast<TfrmOpenGame*>(&modal)) {
            ++selections;
            selection->reject();
        }
    });
    ASSERT_EQ(StartUp(), std::nullopt);
    ShowAndWaitForSelections(1);
    ASSERT_EQ(answerer.messages.size(), 1) << answerer.messages.join(" | ").toStdString();
    EXPECT_TRUE(answerer.messages[0].startsWith(
        QStringLiteral("Your settings and records cannot be saved:\nThe folder ")))
        << answerer.messages[0].toStdString();
    EXPECT_EQ(selections, 1) << "the game selection opens as at every first start";
    EXPECT_EQ(program->Session().ctx.state.Get(field::kPlayer), "Player 1");
    // Once said, never again: closing writes the window state and autoplay.
    program->Window().close();
    QTest::qWait(100);
    EXPECT_EQ(answerer.messages.size(), 1) << answerer.messages.join(" | ").toStdString();
}

TEST_F(ProgramTest, AGamesFileCutShortEndsTheStartWithItsMessage) {
    const std::string whole = test::ReadFile(dir / "GAMES.DAT");
    test::WriteFile(dir / "GAMES.DAT", std::string_view(whole).substr(0, whole.size() / 2));
    ModalAnswerer answerer;
    EXPECT_EQ(StartUp(), 0);
    ASSERT_EQ(answerer.messages.size(), 1);
    EXPECT_TRUE(answerer.messages[0].contains(QStringLiteral(" is damaged:\n")))
        << answerer.messages[0].toStdString();
}

TEST_F(ProgramTest, EscapeInTheFileDialogOfOpenASavedGameBringsTheSelectionBack) {
    // First the saved game's file dialog, left with Escape; then the
    // selection again, cancelled; then the window must take input.
    int fileDialogs = 0;
    ModalAnswerer answerer([&](QWidget& modal) {
        if (auto* files = qobject_cast<QFileDialog*>(&modal)) {
            ++fileDialogs;
            QTest::keyClick(files, Qt::Key_Escape);
        } else if (auto* selection = qobject_cast<TfrmOpenGame*>(&modal)) {
            if (++selections == 1)
                selection->findChild<QPushButton*>(QStringLiteral("btnOpenSaved"))->click();
            else
                selection->reject();
        }
    });
    // A program that locks up fails here instead of hanging the run.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        std::fprintf(stderr, "the program locked up after the file dialog\n");
        std::_Exit(1);
    });
    watchdog.start(20000);
    ASSERT_EQ(StartUp(), std::nullopt);
    ShowAndWaitForSelections(2);
    EXPECT_EQ(fileDialogs, 1);
    EXPECT_EQ(selections, 2);
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr) << "a window still blocks the program";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(program->Window().close()) << "the close request is refused";
}

TEST_F(ProgramTest, TheCaptionReadsNamesAsTheRecordsHoldThem) {
    ModalAnswerer answerer([](QWidget& modal) {
        if (auto* selection = qobject_cast<TfrmOpenGame*>(&modal)) selection->reject();
    });
    ASSERT_EQ(StartUp(), std::nullopt);
    // One byte a character: "José Müller €" as the configuration keeps it.
    program->Session().ctx.state.Set(field::kPlayer, "Jos\xe9 M\xfcller \x80");
    program->Window().UpdateCaption();
    EXPECT_TRUE(program->Window().windowTitle().endsWith(
        QStringLiteral("]  [Jos\u00e9 M\u00fcller \u20ac]")))
        << program->Window().windowTitle().toStdString();
}

}  // namespace
}  // namespace vis
