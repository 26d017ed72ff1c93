// The process from start to end: splash, library, initialisation, the main
// window, the message loop and what closing leaves behind.
#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/game_session.h"
#include "app/qt_ui.h"
#include "media/resource_library.h"
#include "media/sound_player.h"

class QSplashScreen;
class QTemporaryDir;

namespace vis {

class TfrmMain;

// Everything one run of the program owns, in the order it is created.
class Program {
public:
    explicit Program(const std::filesystem::path& programDir);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Everything before the message loop, without showing the window; the
    // exit code when the program has to end at once (its message shown).
    std::optional<int> StartUp();
    // Shows the main window and takes the splash window away.
    void ShowMainWindow();

    TfrmMain& Window() { return *window_; }
    GameSession& Session() { return session_; }
    QtUi& Ui() { return ui_; }

private:
    std::filesystem::path programDir_;
    ResourceLibrary library_;
    SoundPlayer sounds_{library_};
    QtUi ui_{sounds_};
    GameSession session_{ui_};
    std::unique_ptr<QSplashScreen> splash_;
    // The player's files for this run only, when their folder cannot be written.
    std::unique_ptr<QTemporaryDir> sessionData_;
    std::unique_ptr<TfrmMain> window_;
};

// Runs the program on `programDir`: the exit code.
int RunProgram(const std::filesystem::path& programDir);

// The directory of the running executable.
std::filesystem::path ExecutableDirectory();

}  // namespace vis
