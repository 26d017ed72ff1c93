// The six patterns of random cards that decorate the table after a won game.
// Each runs against a surface that paints, waits and says when to stop, so
// the patterns themselves know nothing of windows or clocks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vis {

enum class WinningStyle { kFestoons, kCircles, kLines, kOpenOrder, kLeftToRight, kUpToDown };

inline constexpr WinningStyle kWinningStyles[] = {
    WinningStyle::kFestoons,  WinningStyle::kCircles,     WinningStyle::kLines,
    WinningStyle::kOpenOrder, WinningStyle::kLeftToRight, WinningStyle::kUpToDown,
};

// The names kept in the configuration; "(Random)" and "(None)" choose no
// style of their own.
inline constexpr std::string_view kRandomWinningStyle = "(Random)";
inline constexpr std::string_view kNoWinningStyle = "(None)";
inline constexpr int kDefaultWinningSeconds = 30;

std::string_view WinningStyleName(WinningStyle style);
// The style a configured name asks for; nothing for "(None)", "(Random)" or
// an unknown name.
std::optional<WinningStyle> WinningStyleNamed(std::string_view name);

// Where the cards may go: the table's band below the toolbar, the card
// size in force and the move delay (its half is the usual pause).
struct WinningArea {
    int top = 0;
    int width = 0;
    int height = 0;
    int cardWidth = 0;
    int cardHeight = 0;
    int moveDelayMs = 0;
};

class WinningSurface {
public:
    virtual ~WinningSurface() = default;
    virtual void PaintCard(int card, int x, int y) = 0;
    // Waits without letting events run.
    virtual void Wait(int ms) = 0;
    // Waits while events run; may end early once stopped.
    virtual void WaitWithEvents(int ms) = 0;
    virtual void ProcessEvents() = 0;
    // The player stopped it, the window is closing or the time is over.
    virtual bool Stopped() = 0;
    // A number from 0 to `bound` - 1.
    virtual int Random(int bound) = 0;
};

// Points of a circle outline, relative to the corner of its box, clockwise
// from the top, as the Circles style draws cards along them.
using CircleOffsets = std::vector<std::pair<int, int>>;

// Runs one style until the surface says stop. `circle` is used by Circles.
void RunWinningStyle(WinningStyle style, const WinningArea& area, WinningSurface& surface,
                     const CircleOffsets& circle);

// The drop and the bounces of one festoon card: the steps and the vertical
// move per step of each segment. N (2 or 3) widens the first bounces.
struct FestoonSegment {
    int steps;
    int dy;
};
std::vector<FestoonSegment> FestoonFall();
std::vector<FestoonSegment> FestoonBounce(int n);

}  // namespace vis
