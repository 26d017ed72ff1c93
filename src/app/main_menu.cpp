// The main menu, the table's popup menu and the enabling of their commands.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "app/main_window.h"
#include "app/table_widget.h"
#include "app/toolbar_glyphs.h"
#include "engine/game_clock.h"
#include "game/start_up.h"
#include "options/customize_dialog.h"

namespace vis {

namespace {

struct MenuItem {
    Command command;
    const char* caption;
    const char* shortcut;  // empty for none
    bool checkable = false;
};

constexpr MenuItem kItems[] = {
    {Command::kNew, "&New game", "F2"},
    {Command::kOpen, "&Open a game", "Ctrl+F12"},
    {Command::kRestart, "&Restart game", "Ctrl+F2"},
    {Command::kSelectNumber, "S&elect a game number...", "F3"},
    {Command::kRandom, "R&andom game", ""},
    {Command::kSave, "&Save...", "Shift+Ctrl+F12"},
    {Command::kPlayers, "&Players...", "Ctrl+L"},
    {Command::kHoldAndExit, "&Hold and exit...", ""},
    {Command::kExit, "E&xit", ""},
    {Command::kUndo, "&Undo", "Ctrl+Z"},
    {Command::kRedo, "&Redo", "Ctrl+Y"},
    {Command::kInsertBookmark, "Insert &bookmark", ""},
    {Command::kGoToBookmark, "Go &to bookmark", ""},
    {Command::kPause, "P&ause", "Ctrl+P", true},
    {Command::kQuitGame, "&Quit game", "Ctrl+Q"},
    {Command::kGameInformation, "Game &information...", "F5"},
    {Command::kAutoplay, "Au&toplay", "F7", true},
    {Command::kDemo, "&Demo", "Ctrl+D", true},
    {Command::kGameStatistics, "&Game statistics...", "F4"},
    {Command::kPlayersStatistics, "&Players' statistics...", ""},
    {Command::kAllGamesStatistics, "&All games statistics...", ""},
    {Command::kLogStatistics, "&Log statistics...", ""},
    {Command::kHiScores, "&Hi-Scores...", "F9"},
    {Command::kOverallScore, "O&verall score...", ""},
    {Command::kCustomize, "C&ustomize...", "Ctrl+U"},
    {Command::kCustomizeRules, "Customize &rules...", "Ctrl+R"},
    {Command::kFavoriteGames, "&Favorite games...", "Ctrl+F"},
    {Command::kCardCounter, "&Card counter...", "F8", true},
    {Command::kRules, "&Rules", "F1"},
    {Command::kContents, "&Contents", ""},
    {Command::kTipOfTheDay, "&Tip of the Day...", ""},
    {Command::kAbout, "A&bout [Program]...", ""},
};

// Commands whose dialogs come later: present, never enabled yet (none now).
constexpr std::array<Command, 0> kWaitingForDialogs{};

// The commands a game in play enables together.
constexpr Command kGameGroup[] = {
    Command::kNew,   Command::kRestart,        Command::kSelectNumber, Command::kQuitGame,
    Command::kSave,  Command::kInsertBookmark, Command::kGoToBookmark, Command::kUndo,
    Command::kRedo,  Command::kPause,          Command::kAutoplay,     Command::kDemo,
    Command::kRules, Command::kCustomizeRules,
};

constexpr Command kSavingGroup[] = {Command::kSave, Command::kInsertBookmark, Command::kHoldAndExit,
                                    Command::kUndo, Command::kRedo};

bool IsWaitingForDialog(Command command) {
    for (const Command waiting : kWaitingForDialogs)
        if (waiting == command) return true;
    return false;
}

Command CommandOf(UiCommand command) {
    switch (command) {
        case UiCommand::kInsertBookmark:
            return Command::kInsertBookmark;
        case UiCommand::kGoToBookmark:
            return Command::kGoToBookmark;
        case UiCommand::kPause:
            return Command::kPause;
        case UiCommand::kQuitGame:
            return Command::kQuitGame;
    }
    return Command::kPause;
}

}  // namespace

void TfrmMain::CreateActions() {
    for (const MenuItem& item : kItems) {
        auto* action = new QAction(QString::fromStdString(ExpandTextTemplate(item.caption)), this);
        if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        action->setCheckable(item.checkable);
        action->setEnabled(!IsWaitingForDialog(item.command));
        const Command command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        actions_[command] = action;
    }
    SetToolbarIcons(actions_, library_);
    // Bookmarks exist only once one is inserted.
    actions_[Command::kInsertBookmark]->setEnabled(false);
    actions_[Command::kGoToBookmark]->setEnabled(false);
    SetCommandGroupEnabled(CommandGroup::kGame, false);
}

void TfrmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    auto add = [this](QMenu* menu, std::initializer_list<Command> commands) {
        for (const Command command : commands) menu->addAction(actions_[command]);
    };
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    add(file, {Command::kNew, Command::kOpen});
    file->addSeparator();
    add(file, {Command::kRestart, Command::kSelectNumber, Command::kRandom});
    file->addSeparator();
    add(file, {Command::kSave});
    file->addSeparator();
    add(file, {Command::kPlayers});
    file->addSeparator();
    add(file, {Command::kHoldAndExit, Command::kExit});

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    add(game, {Command::kUndo, Command::kRedo});
    game->addSeparator();
    add(game, {Command::kInsertBookmark, Command::kGoToBookmark});
    game->addSeparator();
    add(game, {Command::kPause, Command::kQuitGame});
    game->addSeparator();
    add(game, {Command::kGameInformation});
    game->addSeparator();
    add(game, {Command::kAutoplay, Command::kDemo});
    // A hidden item still needs its shortcut on the window.
    actions_[Command::kDemo]->setVisible(false);
    addAction(actions_[Command::kDemo]);

    QMenu* statistics = bar->addMenu(QStringLiteral("&Statistics"));
    add(statistics, {Command::kGameStatistics});
    statistics->addSeparator();
    add(statistics,
        {Command::kPlayersStatistics, Command::kAllGamesStatistics, Command::kLogStatistics});
    statistics->addSeparator();
    add(statistics, {Command::kHiScores, Command::kOverallScore});

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    add(tools, {Command::kCustomize, Command::kCustomizeRules});
    tools->addSeparator();
    add(tools, {Command::kFavoriteGames});
    mnuFavorites_ = tools->addMenu(QStringLiteral("Fa&vorites"));
    tools->addSeparator();
    add(tools, {Command::kCardCounter});

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    add(help, {Command::kRules, Command::kContents, Command::kTipOfTheDay});
    help->addSeparator();
    add(help, {Command::kAbout});

    popMain_ = new QMenu(this);
    auto popup = [this](const char* caption, Command command) {
        QAction* item = popMain_->addAction(QString::fromLatin1(caption));
        QAction* source = actions_[command];
        item->setEnabled(source->isEnabled());
        connect(source, &QAction::changed, item,
                [item, source] { item->setEnabled(source->isEnabled()); });
        connect(item, &QAction::triggered, source, &QAction::trigger);
        return item;
    };
    popup("Game information...", Command::kGameInformation);
    popup("Favorite games...", Command::kFavoriteGames);
    popMain_->addSeparator();
    const std::pair<const char*, CustomizePage> changes[] = {
        {"Change card set", CustomizePage::kCards},
        {"Change deck", CustomizePage::kDecks},
        {"Change background", CustomizePage::kBackgrounds}};
    for (const auto& [caption, page] : changes) {
        QAction* item = popup(caption, Command::kCustomize);
        disconnect(item, &QAction::triggered, nullptr, nullptr);
        connect(item, &QAction::triggered, this, [this, page] {
            // Time in the dialog is not playing time.
            ClockHeldForDialog clockHeld(Ctx());
            ShowCustomizeDialog(*this, page);
        });
    }
    popMain_->addSeparator();
    popup("Pause\tCtrl+P", Command::kPause);
    popup("Quit game\tCtrl+Q", Command::kQuitGame);
    popMain_->addSeparator();
    popup("Card counter\tF8", Command::kCardCounter);
}

void TfrmMain::SetCommandGroupEnabled(CommandGroup group, bool enabled) {
    switch (group) {
        case CommandGroup::kGame:
            gameGroupEnabled_ = enabled;
            for (const Command command : kGameGroup) actions_[command]->setEnabled(enabled);
            break;
        case CommandGroup::kCustomize:
            actions_[Command::kCustomize]->setEnabled(enabled);
            break;
        case CommandGroup::kAutoplay:
            actions_[Command::kAutoplay]->setEnabled(enabled);
            break;
        case CommandGroup::kSaving:
            for (const Command command : kSavingGroup) actions_[command]->setEnabled(enabled);
            break;
    }
}

bool TfrmMain::IsCommandGroupEnabled(CommandGroup group) const {
    switch (group) {
        case CommandGroup::kGame:
            return gameGroupEnabled_;
        case CommandGroup::kCustomize:
            return actions_.at(Command::kCustomize)->isEnabled();
        case CommandGroup::kAutoplay:
            return actions_.at(Command::kAutoplay)->isEnabled();
        case CommandGroup::kSaving:
            return actions_.at(Command::kSave)->isEnabled();
    }
    return false;
}

void TfrmMain::SetCommandEnabled(UiCommand command, bool enabled) {
    actions_[CommandOf(command)]->setEnabled(enabled);
}

void TfrmMain::SetCommandChecked(UiCommand command, bool checked) {
    actions_[CommandOf(command)]->setChecked(checked);
}

void TfrmMain::ShowAutoplaySwitch(bool on) {
    actions_[Command::kAutoplay]->setChecked(on);
}

void TfrmMain::ShowMainPopupMenu(QPoint at) {
    popMain_->popup(table_->mapToGlobal(table_->WindowAt(at)));
}

}  // namespace vis
