// TfrmMain: the table the games are played on, with the main menu, the two
// toolbars, the clock and score panels, the demo panel, the pile-size tip
// and the vertical scroll bar.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>

#include "dialogs/app_services.h"
#include "game/demo_panel.h"
#include "model/ui_port.h"
#include "options/customize_host.h"
#include "view/motion/input_blocker.h"
#include "view/motion/table_motion.h"
#include "view/paint/table_painter.h"

class QAction;
class QLabel;
class QMenu;
class QScrollBar;
class QToolBar;
class QWidget;

namespace vis {

struct GameSession;
class PauseScreen;
class SoundPlayer;
class TableWidget;

// The menu and toolbar commands by name.
enum class Command {
    kNew,
    kOpen,
    kRestart,
    kSelectNumber,
    kRandom,
    kSave,
    kPlayers,
    kHoldAndExit,
    kExit,
    kUndo,
    kRedo,
    kInsertBookmark,
    kGoToBookmark,
    kPause,
    kQuitGame,
    kGameInformation,
    kAutoplay,
    kDemo,
    kGameStatistics,
    kPlayersStatistics,
    kAllGamesStatistics,
    kLogStatistics,
    kHiScores,
    kOverallScore,
    kCustomize,
    kCustomizeRules,
    kFavoriteGames,
    kCardCounter,
    kRules,
    kContents,
    kTipOfTheDay,
    kAbout,
};

class TfrmMain : public QMainWindow, public CustomizeHost {
public:
    TfrmMain(GameSession& session, const ResourceLibrary& library, SoundPlayer& sounds);
    ~TfrmMain() override;

    GameContext& Ctx() override;
    AppServices& Services() override { return services_; }
    TablePainter& Painter() override { return painter_; }
    QWidget& HostWindow() override { return *this; }
    void PreviewWinningAnimation(const std::string& style, int seconds) override;
    TableMotion& Motion() { return motion_; }
    QAction* Action(Command command) const { return actions_.at(command); }

    // The toolbars, panels, status bar and pointer as the preferences say,
    // once start-up has read them.
    void ApplyStartUpPreferences();
    // Window placement from the preferences, and back.
    void RestoreWindowState();
    void SaveWindowState();

    // What the core asks of the window (see UiPort).
    void UpdateCaption();
    void ShowScore(const QString& text);
    void ShowClock(const QString& text);
    void SetCommandGroupEnabled(CommandGroup group, bool enabled);
    bool IsCommandGroupEnabled(CommandGroup group) const;
    void SetCommandEnabled(UiCommand command, bool enabled);
    void SetCommandChecked(UiCommand command, bool checked);
    void ShowAutoplaySwitch(bool on);
    void SetInputBlocked(bool blocked) { inputBlocker_.SetActive(blocked); }
    void BeginPauseScreen();
    void EndPauseScreen();
    void ShowPileSizeTip(const QString& text, QPoint pointer);
    void HidePileSizeTip();
    void ShowMainPopupMenu(QPoint at);
    TableScrollView ScrollView() const;
    int ScrollByLargeStep(bool down);
    void UpdateScrollBar();
    // Shows the sideways bar while the painted table is wider than the
    // window.
    void UpdateHorizontalScrollBar();
    // Both bars as the painted table needs them, once it is not busy.
    void AdjustScrollBars();
    void RepaintTable();
    void PaintEmptyTable();
    void ShowDemoPanel(bool shown);
    void ShowDemoPosition(int position, int maximum);
    void SetTablePointer(int shape);
    TableWidget* Table() const { return table_; }
    // Lays the current game out for the window as it is now.
    TableWindow CurrentTableWindow() const;
    ScreenSize Screen() const;

    // The options the Customize dialog saved, in force at once, and the
    // table drawn again with the cards and background in force
    // (options_commands.cpp).
    void ApplyPresentationOptions() override;
    void RebuildTable() override;
    // The random background, faces and back of a new deal.
    void PickRandomPresentation();

    // Runs a command as its menu item does.
    void RunCommand(Command command);
    // The first activation: a held game resumed, else the game selection.
    void FirstActivation();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Construction, one concern each.
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void CreatePanels();
    void CreateTable();
    void ApplyToolbarPreferences();
    void ArrangeToolbarRow();

    // The commands that need more than the core (main_commands.cpp).
    void mnuNewClick();
    void mnuOpenClick();
    void mnuRestartClick();
    void mnuQuitGameClick();

    // Toolbar and panel settings (toolbars.cpp).
    void SetToolbarLarge(bool large);
    void SetToolbarFlat(bool flat);
    void SetPanelShown(bool clock, bool shown);
    void WritePreference(std::string_view key, std::string_view value);
    void Timer1Timer();
    void ResizeTablePictures();
    void ReportFileError(const std::exception& error);

    GameSession& session_;
    const ResourceLibrary& library_;
    SoundPlayer& sounds_;
    AppServices services_;
    TablePainter painter_;
    TableMotion motion_;
    InputBlocker inputBlocker_;
    DemoPanel demo_;

    std::map<Command, QAction*> actions_;
    QMenu* mnuFavorites_ = nullptr;
    QMenu* popMain_ = nullptr;
    QToolBar* pnlTB_ = nullptr;   // large
    QToolBar* pnlTB1_ = nullptr;  // small
    QWidget* pnlTempo_ = nullptr;
    QLabel* lblTempo_ = nullptr;
    QWidget* pnlScore_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QWidget* pnlDemo_ = nullptr;
    QLabel* lblDemo_ = nullptr;
    QWidget* pnlPilesSize_ = nullptr;
    QLabel* lblPilesSize_ = nullptr;
    QScrollBar* scrBarMain_ = nullptr;
    QScrollBar* scrBarHorizontal_ = nullptr;
    TableWidget* table_ = nullptr;
    std::unique_ptr<PauseScreen> pause_;
    QTimer timer1_;
    bool gameGroupEnabled_ = false;
    bool toolbarVisible_ = true;
    bool toolbarLarge_ = false;
    bool toolbarFlat_ = true;
    bool startingUp_ = true;
    bool firstActivationQueued_ = false;
    QTimer barsTimer_;
};

}  // namespace vis
