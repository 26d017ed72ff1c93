#include "dialogs/record_texts.h"

#include <string>

#include "records/string_table.h"

namespace vis {

QString LocalizedText(const GameContext& ctx, int number) {
    return QString::fromStdString(std::string(LocalizedString(ctx.state, number)));
}

int PercentWon(std::int64_t won, std::int64_t lost) {
    if (won + lost <= 0) return -1;
    return static_cast<int>((won * 100.0) / static_cast<double>(won + lost) + 0.5);
}

QString CountWithPercent(std::int64_t count, int percent) {
    QString text = QString::number(count);
    if (percent >= 0) text += QStringLiteral("  (%1%)").arg(percent);
    return text;
}

QString CurrentStreakText(const GameContext& ctx, const GameStatsRecord& record) {
    const auto streak = [&ctx](std::int64_t n, int one, int many) {
        return QStringLiteral(": %1 %2").arg(n).arg(LocalizedText(ctx, n == 1 ? one : many));
    };
    if (record.currentWinningStreak > 0)
        return streak(record.currentWinningStreak, text_id::kWonStreakOne, text_id::kWonStreakMany);
    if (record.currentLosingStreak > 0)
        return streak(record.currentLosingStreak, text_id::kLostStreakOne,
                      text_id::kLostStreakMany);
    return {};
}

}  // namespace vis
