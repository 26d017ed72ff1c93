#include "records/recent_deals.h"

#include <gtest/gtest.h>

#include "model/config_file.h"
#include "model/headless_ui.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

class RecentDealsTest : public ::testing::Test {
protected:
    std::vector<std::string> Remember(std::initializer_list<std::string_view> deals) {
        for (std::string_view deal : deals) EXPECT_TRUE(RememberDealNumber(ui, config, deal));
        return ReadRecentDeals(config);
    }
    test::TempDir dir;
    std::filesystem::path config = dir / "CFG.DAT";
    HeadlessUi ui;
};

TEST_F(RecentDealsTest, NewestFirstAndEachNumberOnce) {
    EXPECT_EQ(Remember({"0000000000001", "0000000000002", "0000000000001"}),
              (std::vector<std::string>{"0000000000001", "0000000000002"}));
    EXPECT_EQ(ReadPref(config, kRecentDealsSection, "Game001", "?"), "0000000000001");
    EXPECT_EQ(ReadPref(config, kRecentDealsSection, "Game020", "?"), "");
}

TEST_F(RecentDealsTest, KeepsTwentyPlaces) {
    for (int i = 1; i <= 25; ++i) RememberDealNumber(ui, config, std::to_string(i));
    const auto deals = ReadRecentDeals(config);
    ASSERT_EQ(deals.size(), 20u);
    EXPECT_EQ(deals.front(), "25");
    EXPECT_EQ(deals.back(), "6");
}

TEST_F(RecentDealsTest, BlankDealIsNotKept) {
    EXPECT_TRUE(Remember({"   "}).empty());
}

}  // namespace
}  // namespace vis
