#include "model/game_rules.h"

namespace vis {

void GameRules::BackupPileRules() {
    for (std::size_t i = 0; i < baseBackup_.size(); ++i)
        baseBackup_[i] = values_[rule::kFoundationBase + i];
    for (std::size_t i = 0; i < fillBackup_.size(); ++i)
        fillBackup_[i] = values_[rule::kTableauEmpty + i];
}

void GameRules::RestorePileRules() {
    for (std::size_t i = 0; i < baseBackup_.size(); ++i)
        values_[rule::kFoundationBase + i] = baseBackup_[i];
    for (std::size_t i = 0; i < fillBackup_.size(); ++i)
        values_[rule::kTableauEmpty + i] = fillBackup_[i];
}

}  // namespace vis
