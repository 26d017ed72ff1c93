#include "app/statistics_commands.h"

#include "dialogs/all_games_dialog.h"
#include "dialogs/log_statistics_dialog.h"
#include "dialogs/overall_score_dialog.h"
#include "dialogs/players_statistics_dialog.h"
#include "dialogs/statistics_dialog.h"

namespace vis {

bool RunStatisticsCommand(QWidget* parent, AppServices& app, Command command) {
    switch (command) {
        case Command::kGameStatistics:
            ShowStatisticsDialog(parent, app);
            return true;
        case Command::kAllGamesStatistics:
            ShowAllGamesStatistics(parent, app);
            return true;
        case Command::kPlayersStatistics:
            ShowPlayersStatistics(parent, app);
            return true;
        case Command::kLogStatistics:
            ShowLogStatistics(parent, app);
            return true;
        case Command::kOverallScore:
            ShowOverallScore(parent, app);
            return true;
        default:
            return false;
    }
}

}  // namespace vis
