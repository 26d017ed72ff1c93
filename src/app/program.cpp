#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/splash_window.h"
#include "engine/autoplay.h"
#include "game/start_up.h"
#include "model/catalog.h"
#include "model/config_file.h"
#include "model/games_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/sound_events.h"

namespace vis {

namespace {

constexpr std::string_view kLibraryFile = "VIS.RGF";
constexpr int kRichColourBits = 24;

DefaultContext DisplayDefaults(const std::filesystem::path& programDir) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect size = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const int depth = screen ? screen->depth() : kRichColourBits;
    return {.screenColours = 1 << std::min(depth, kRichColourBits),
            .screenWidth = size.width(),
            .screenHeight = size.height(),
            .programDir = programDir.string()};
}

// An installed program's folder is not the player's to write: then the
// player's files go to the user's own data folder.
std::filesystem::path UserDataFolder() {
    return std::filesystem::path(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
}

std::string UnsavedDataMessage(const std::string& problem) {
    return "Your settings and records cannot be saved:\r" + problem +
           "\rYou can play, but nothing of this session will be kept.";
}

// The hourglass for the whole start-up.
class StartUpPointer {
public:
    StartUpPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~StartUpPointer() { QApplication::restoreOverrideCursor(); }
    StartUpPointer(const StartUpPointer&) = delete;
    StartUpPointer& operator=(const StartUpPointer&) = delete;
};

}  // namespace

Program::Program(const std::filesystem::path& programDir) : programDir_(programDir) {
    GameContext& ctx = session_.ctx;
    ctx.state.Set(field::kConfigPath, kConfigRelativePath);
    SetProgramDir(ctx.state, programDir);
}

Program::~Program() {
    ui_.SetMainWindow(nullptr);
}

std::optional<int> Program::StartUp() {
    StartUpPointer pointer;
    GameContext& ctx = session_.ctx;
    QApplication::setApplicationName(
        QString::fromUtf8(kProductTitle.data(), static_cast<int>(kProductTitle.size())));
    SetDataRoot(ctx.state, ChooseDataRoot(programDir_, UserDataFolder()));
    const auto dataProblem = DataFolderProblem(DataRoot(ctx.state));
    if (dataProblem) {
        // The session writes to a copy that goes with it, so that no later
        // write fails in the player's face.
        sessionData_ = std::make_unique<QTemporaryDir>();
        if (sessionData_->isValid())
            UseSessionDataFolder(ctx.state, sessionData_->path().toStdString());
    }
    // The splash picture comes from the library, so it is loaded first; a
    // library that fails is reported once the plain splash is up.
    const auto libraryError =
        library_.Load(QString::fromStdString((programDir_ / kLibraryFile).string()));
    splash_ = ShowSplash(library_);
    const auto config = ConfigFilePath(ctx.state);
    ctx.state.Set(field::kSoundsEnabled,
                  ReadPref(config, kPreferenceSection, "Sounds_Enabled", "Y"));
    PlaySoundEvent(ui_, ctx.state, "Splash",
                   ReadPref(config, kPreferenceSection, "Sounds_Splash", "Y") == "Y");
    if (libraryError) {
        splash_.reset();
        ui_.ShowMessage(libraryError->toStdString());
        return 0;
    }

    // A games file that is missing or cut short ends the start: no game
    // could be dealt from it.
    if (const auto problem = GamesFileProblem(programDir_ / kGamesFileName)) {
        splash_.reset();
        ui_.ShowError(*problem);
        return 0;
    }
    window_ = std::make_unique<TfrmMain>(session_, library_, sounds_);
    ui_.SetMainWindow(window_.get());
    if (InitialiseGame(ctx, DisplayDefaults(programDir_)) == StartUpResult::kGamesFileMissing) {
        splash_.reset();
        ui_.ShowError(GamesFileMissingMessage(programDir_ / kGamesFileName));
        return 0;
    }
    if (dataProblem) {
        // Said once, before play.
        splash_.reset();
        ui_.ShowMessage(UnsavedDataMessage(*dataProblem));
    }
    window_->ApplyStartUpPreferences();
    if (ReadPref(config, kPreferenceSection, "AutoPlay", "Y") == "Y")
        ToggleAutoplay(ctx, session_.play);
    window_->RestoreWindowState();
    return std::nullopt;
}

void Program::ShowMainWindow() {
    window_->show();
    window_->repaint();
    splash_.reset();
}

int RunProgram(const std::filesystem::path& programDir) {
    Program program(programDir);
    if (const auto code = program.StartUp()) return *code;
    program.ShowMainWindow();
    return QApplication::exec();
}

std::filesystem::path ExecutableDirectory() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace vis
