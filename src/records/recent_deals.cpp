#include "records/recent_deals.h"

#include <algorithm>

#include "model/config_file.h"
#include "model/game_context.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "store/section_file.h"

namespace vis {

namespace {

std::vector<std::string> RecentDealKeys() {
    std::vector<std::string> keys;
    for (int place = 1; place <= kRecentDealCount; ++place) keys.push_back(RecentDealKey(place));
    return keys;
}

}  // namespace

std::string RecentDealKey(int place) {
    return "Game0" + ZeroPad(place, 2);
}

std::vector<std::string> ReadRecentDeals(const std::filesystem::path& configFile) {
    const std::vector<std::string> keys = RecentDealKeys();
    std::vector<std::string> deals;
    for (const std::string& key : keys) {
        const std::string value = Trim(ReadPref(configFile, kRecentDealsSection, key, ""));
        if (!value.empty()) deals.push_back(value);
    }
    return deals;
}

bool RememberDealNumber(UiPort& ui, const std::filesystem::path& configFile,
                        std::string_view deal) {
    const std::string wanted = Trim(deal);
    if (wanted.empty()) return true;
    std::vector<std::string> deals = ReadRecentDeals(configFile);
    std::erase(deals, wanted);
    deals.insert(deals.begin(), wanted);
    deals.resize(static_cast<std::size_t>(kRecentDealCount));

    KeyValues pairs;
    for (int place = 1; place <= kRecentDealCount; ++place)
        pairs.push_back({RecentDealKey(place), deals[static_cast<std::size_t>(place - 1)]});
    return RewriteSection(ui, configFile, kRecentDealsSection, pairs);
}

void RememberDealNumber(GameContext& ctx) {
    RememberDealNumber(ctx.ui, ConfigFilePath(ctx.state), ctx.state.Get(field::kDealNumber));
}

}  // namespace vis
