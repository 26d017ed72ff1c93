// The patterns of the winning decoration, run on a surface that records
// what they paint and wait for and stops them after a number of cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "view/winning/winning_animation.h"
#include "view/winning/winning_patterns.h"

namespace vis {
namespace {

struct Painted {
    int card;
    int x;
    int y;
};

class RecordingSurface : public WinningSurface {
public:
    explicit RecordingSurface(std::size_t cardsUntilStop) : limit_(cardsUntilStop) {}

    void PaintCard(int card, int x, int y) override { painted.push_back({card, x, y}); }
    void Wait(int ms) override { waits.push_back(ms); }
    void WaitWithEvents(int ms) override { eventWaits.push_back(ms); }
    void ProcessEvents() override { ++eventRuns; }
    bool Stopped() override {
        ++checks;
        return painted.size() >= limit_;
    }
    int Random(int bound) override {
        return bound <= 1 ? 0 : std::uniform_int_distribution<int>(0, bound - 1)(random_);
    }

    std::vector<Painted> painted;
    std::vector<int> waits;
    std::vector<int> eventWaits;
    int eventRuns = 0;
    int checks = 0;

private:
    std::size_t limit_;
    std::mt19937 random_{12345};
};

constexpr WinningArea kArea{
    .top = 5, .width = 800, .height = 600, .cardWidth = 71, .cardHeight = 96, .moveDelayMs = 8};

TEST(WinningPatternsTest, EveryStyleStopsWhenToldAndPaintsOnlyDecorationCards) {
    const CircleOffsets circle = DrawnCircleOffsets();
    for (const WinningStyle style : kWinningStyles) {
        RecordingSurface surface(3000);
        RunWinningStyle(style, kArea, surface, circle);
        SCOPED_TRACE(std::string(WinningStyleName(style)));
        ASSERT_GE(surface.painted.size(), 3000u);
        // Stopped at a check point, not long after.
        EXPECT_LT(surface.painted.size(), 3000u + 1200u);
        EXPECT_GT(surface.eventRuns, 0);  // the player can always stop it
        for (const Painted& card : surface.painted) {
            ASSERT_GE(card.card, 1);
            ASSERT_LE(card.card, 51);  // never the king of spades
            // Nothing far outside the table (a falling festoon drifts
            // sideways until it lands).
            ASSERT_GT(card.x, -kArea.cardWidth - 400);
            ASSERT_LT(card.x, kArea.width + 400);
            ASSERT_GT(card.y, kArea.top - 60 - kArea.cardHeight);
            ASSERT_LT(card.y, kArea.height + 20);
        }
    }
}

TEST(WinningPatternsTest, StyleNamesReadBackAndTheChoicesThatAreNoStyle) {
    for (const WinningStyle style : kWinningStyles)
        EXPECT_EQ(WinningStyleNamed(WinningStyleName(style)), style);
    for (const std::string_view name : {"(Random)", "(None)", "", "festoons", "Spirals"})
        EXPECT_FALSE(WinningStyleNamed(name).has_value()) << name;
}

TEST(WinningPatternsTest, LeftToRightFillsRowsFromTheLeftAndPausesBetweenThem) {
    RecordingSurface surface(200);
    RunWinningStyle(WinningStyle::kLeftToRight, kArea, surface, {});
    const int step = static_cast<int>(kArea.cardWidth / 5.8);
    const auto& cards = surface.painted;
    EXPECT_EQ(cards[0].x, -20);
    EXPECT_EQ(cards[0].y, kArea.top);
    EXPECT_EQ(cards[1].x, -20 + step);
    // The second row starts a third of a card out, 35 lower.
    std::size_t second = 1;
    while (cards[second].y == kArea.top) ++second;
    EXPECT_EQ(cards[second].x, -(kArea.cardWidth / 3));
    EXPECT_EQ(cards[second].y, kArea.top + 35);
    EXPECT_GE(cards[second - 1].x + step, kArea.width);
    ASSERT_FALSE(surface.eventWaits.empty());
    EXPECT_EQ(surface.eventWaits.front(), 700);
    // Every fifth card waits half the move delay.
    EXPECT_EQ(surface.waits.front(), kArea.moveDelayMs / 2);
}

TEST(WinningPatternsTest, LinesRunAtFortyFiveDegreesAndTurnAtTheEdges) {
    RecordingSurface surface(2000);
    RunWinningStyle(WinningStyle::kLines, kArea, surface, {});
    const auto& cards = surface.painted;
    EXPECT_EQ(cards[0].y, kArea.top);
    int turns = 0;
    for (std::size_t i = 1; i < cards.size(); ++i) {
        const int dx = cards[i].x - cards[i - 1].x;
        const int dy = cards[i].y - cards[i - 1].y;
        if (cards[i].card != cards[i - 1].card) {
            ++turns;
            continue;  // a new segment starts where the last one ended
        }
        ASSERT_EQ(std::abs(dx), std::abs(dy)) << i;
        ASSERT_GE(std::abs(dx), 4);
        ASSERT_LE(std::abs(dx), 11);
    }
    EXPECT_GT(turns, 3);
    // Five milliseconds after every step, the move delay every second one.
    EXPECT_GT(std::count(surface.waits.begin(), surface.waits.end(), 5), 1000);
}

TEST(WinningPatternsTest, FestoonsFallThenBounceInLoweringArcsAndRollOut) {
    const std::vector<FestoonSegment> fall = FestoonFall();
    ASSERT_EQ(fall.size(), 10u);
    EXPECT_EQ(fall.front().dy, 0);
    EXPECT_EQ(fall.back().steps, 101);
    for (const int n : {2, 3}) {
        const std::vector<FestoonSegment> bounce = FestoonBounce(n);
        ASSERT_EQ(bounce.size(), 65u);
        // Four arcs, each climbing through odd speeds and falling back; the
        // card ends rolling level.
        EXPECT_EQ(bounce.front().dy, -19);
        EXPECT_EQ(bounce[2].steps, n + 1);
        EXPECT_EQ(bounce.back().dy, 0);
        EXPECT_EQ(bounce.back().steps, 1001);
        EXPECT_EQ(bounce[21].dy, 19);
        EXPECT_EQ(bounce[22].dy, -15);
    }
    RecordingSurface surface(1500);
    RunWinningStyle(WinningStyle::kFestoons, kArea, surface, {});
    // The first card drops until its bottom reaches the bottom edge.
    const auto& cards = surface.painted;
    std::size_t lowest = 0;
    for (std::size_t i = 0; i < cards.size() && cards[i].card == cards[0].card; ++i)
        if (cards[i].y > cards[lowest].y) lowest = i;
    EXPECT_GE(cards[lowest].y + kArea.cardHeight, kArea.height - 19);
}

TEST(WinningPatternsTest, TheCircleOutlineRunsClockwiseFromTheTopAtRadius150) {
    const CircleOffsets circle = DrawnCircleOffsets();
    ASSERT_GT(circle.size(), 100u);
    ASSERT_LE(circle.size(), 299u);
    EXPECT_NEAR(circle.front().first, 150, 3);
    EXPECT_EQ(circle.front().second, 0);
    for (const auto& [x, y] : circle)
        EXPECT_NEAR(std::hypot(x - 149.5, y - 149.5), 150, 3) << x << "," << y;
    // Down the right side first, then up the left.
    EXPECT_GE(circle[circle.size() / 4].first, 150);
    EXPECT_LT(circle[3 * circle.size() / 4].first, 150);
}

}  // namespace
}  // namespace vis
