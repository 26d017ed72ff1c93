#include "view/winning/winning_patterns.h"

#include <array>

namespace vis {

namespace {

// The king of spades stays out of the decoration.
constexpr int kDecorationCards = 51;
constexpr int kRowStepPause = 700;
constexpr int kRowStep = 35;
constexpr int kLinesStepMs = 5;
constexpr int kFestoonDropAbove = 50;
constexpr int kFestoonDropSpread = 40;

constexpr std::array<std::string_view, 6> kStyleNames = {
    "Festoons", "Circles", "Lines", "Open order", "Left to right", "Up to down",
};

int Half(const WinningArea& area) {
    return area.moveDelayMs / 2;
}

int RandomCard(WinningSurface& surface) {
    return 1 + surface.Random(kDecorationCards);
}

void PauseAndRun(const WinningArea& area, WinningSurface& surface) {
    surface.Wait(Half(area));
    surface.ProcessEvents();
}

// Keeps a card that starts at a random column inside the table.
int InsideLeft(int x, const WinningArea& area) {
    return x + area.cardWidth > area.width ? area.width - area.cardWidth : x;
}

void OpenOrder(const WinningArea& area, WinningSurface& surface) {
    const int halfWidth = area.cardWidth / 2;
    const int halfHeight = area.cardHeight / 2;
    for (int count = 1;; ++count) {
        const int x = surface.Random(area.width + halfWidth) - halfWidth;
        const int y = surface.Random(area.height + halfHeight) - halfHeight;
        surface.PaintCard(RandomCard(surface), x, y);
        if (count % 5 == 0) PauseAndRun(area, surface);
        if (surface.Stopped()) return;
    }
}

void LeftToRight(const WinningArea& area, WinningSurface& surface) {
    const int step = static_cast<int>(area.cardWidth / 5.8);
    int x = -20;
    int y = area.top;
    int row = 0;
    int start = 0;
    for (int count = 1;; ++count) {
        surface.PaintCard(RandomCard(surface), x, y);
        if (count % 5 == 0) PauseAndRun(area, surface);
        if (surface.Stopped()) return;
        x += step;
        if (x < area.width) continue;
        ++row;
        x = -static_cast<int>(area.cardWidth / (row % 2 == 1 ? 3.0 : 4.0));
        surface.WaitWithEvents(kRowStepPause);
        if (surface.Stopped()) return;
        y += kRowStep;
        if (y + area.cardHeight >= area.height) {
            start += kRowStep;
            if (start >= area.height) start = area.top + kRowStep;
            y = start;
        }
    }
}

void UpToDown(const WinningArea& area, WinningSurface& surface) {
    const int step = static_cast<int>(area.cardHeight / 5.3);
    const int columnStep = static_cast<int>(area.cardWidth / 1.5);
    int x = -10;
    int y = area.top;
    int column = 0;
    int start = 0;
    int count = 0;
    for (;;) {
        surface.PaintCard(RandomCard(surface), x, y);
        ++count;
        if (count % 2 == 0) surface.Wait(Half(area));
        if (count % 5 == 0) {
            surface.ProcessEvents();
            count = 0;
        }
        if (surface.Stopped()) return;
        y += step;
        if (y < area.height) continue;
        ++column;
        y = -static_cast<int>(area.cardHeight / (column % 2 == 1 ? 3.0 : 4.0));
        surface.WaitWithEvents(kRowStepPause);
        if (surface.Stopped()) return;
        x += columnStep;
        if (x >= area.width) {
            start += kRowStep;
            if (start >= area.width) start = kRowStep;
            x = start;
        }
    }
}

int WithSignOf(int magnitude, int sign) {
    return sign < 0 ? -magnitude : magnitude;
}

void Lines(const WinningArea& area, WinningSurface& surface) {
    int x = InsideLeft(surface.Random(area.width), area);
    int y = area.top;
    int dx = 1;
    int dy = 1;
    const auto atEdge = [&area](int left, int top) {
        return left <= 0 || left + area.cardWidth >= area.width || top <= area.top ||
               top + area.cardHeight >= area.height;
    };
    int steps = 0;
    for (;;) {
        const int card = RandomCard(surface);
        const int speed = 4 + surface.Random(8);
        dx = WithSignOf(speed, dx);
        dy = WithSignOf(speed, dy);
        if (x + dx <= 0 || x + dx + area.cardWidth >= area.width) dx = -dx;
        if (y + dy <= area.top || y + dy + area.cardHeight >= area.height) dy = -dy;
        do {
            surface.PaintCard(card, x, y);
            x += dx;
            y += dy;
            ++steps;
            if (steps % 2 == 0) surface.Wait(area.moveDelayMs);
            surface.Wait(kLinesStepMs);
            if (steps % 4 == 0) surface.ProcessEvents();
        } while (!atEdge(x, y));
        if (surface.Stopped()) return;
    }
}

// A corner that would put the circle past the far edge is folded back.
int CircleCorner(int position, int extent, int radius) {
    return position > extent - radius ? extent - radius - position : position;
}

void Circles(const WinningArea& area, WinningSurface& surface, const CircleOffsets& circle) {
    constexpr int kRadius = 150;
    if (circle.empty() || area.width <= 0 || area.height <= 0) return;
    const auto within = [](int low, int high, int extent) {
        return (low >= 0 && low <= extent) || (high >= 0 && high <= extent);
    };
    for (;;) {
        const int card = RandomCard(surface);
        const int y = CircleCorner(surface.Random(area.height), area.height, kRadius);
        const int x = CircleCorner(surface.Random(area.width), area.width, kRadius);
        for (std::size_t i = 0; i < circle.size(); ++i) {
            const int left = x + circle[i].first;
            const int top = y + circle[i].second;
            if (within(left, left + area.cardWidth, area.width) &&
                within(top, top + area.cardHeight, area.height))
                surface.PaintCard(card, left, top);
            if (i % 4 == 0) PauseAndRun(area, surface);
        }
        if (surface.Stopped()) return;
    }
}

// Runs the segments; false once `done` says the card has arrived.
template <typename Done>
bool RunSegments(const std::vector<FestoonSegment>& segments, int card, int dx, int& x, int& y,
                 const WinningArea& area, WinningSurface& surface, Done done) {
    for (const FestoonSegment& segment : segments) {
        for (int step = 0; step < segment.steps; ++step) {
            surface.PaintCard(card, x, y);
            x += dx;
            y += segment.dy;
            if (step % 4 == 0) PauseAndRun(area, surface);
            if (done()) return false;
        }
    }
    return true;
}

void Festoons(const WinningArea& area, WinningSurface& surface) {
    const std::vector<FestoonSegment> fall = FestoonFall();
    for (;;) {
        const int n = (1 + surface.Random(10)) % 2 == 0 ? 3 : 2;
        const int card = RandomCard(surface);
        const int speed = 2 + surface.Random(5);
        const int dx = surface.Random(2) == 0 ? -speed : speed;
        int x = InsideLeft(surface.Random(area.width), area);
        int y = area.top - kFestoonDropAbove + surface.Random(kFestoonDropSpread);
        RunSegments(fall, card, dx, x, y, area, surface,
                    [&] { return y + area.cardHeight >= area.height || surface.Stopped(); });
        if (surface.Stopped()) return;
        RunSegments(FestoonBounce(n), card, dx, x, y, area, surface,
                    [&] { return x > area.width || x < -area.cardWidth || surface.Stopped(); });
        if (surface.Stopped()) return;
    }
}

}  // namespace

std::string_view WinningStyleName(WinningStyle style) {
    return kStyleNames[static_cast<std::size_t>(style)];
}

std::optional<WinningStyle> WinningStyleNamed(std::string_view name) {
    for (const WinningStyle style : kWinningStyles)
        if (WinningStyleName(style) == name) return style;
    return std::nullopt;
}

std::vector<FestoonSegment> FestoonFall() {
    return {{1, 0},   {4, 3},   {6, 5},   {8, 7},   {10, 9},
            {12, 11}, {14, 13}, {16, 15}, {18, 17}, {101, 19}};
}

std::vector<FestoonSegment> FestoonBounce(int n) {
    // Each arc rises and falls through odd speeds, resting two steps at its
    // top; the arcs lower each time, and the card rolls out at the end.
    std::vector<int> speeds;
    for (const int peak : {19, 15, 11, 7}) {
        for (int v = -peak; v <= -1; v += 2) speeds.push_back(v);
        speeds.push_back(0);
        speeds.push_back(0);
        for (int v = 1; v <= peak; v += 2) speeds.push_back(v);
    }
    speeds.push_back(0);
    const std::vector<int> counts = {
        0, 0,     n,     n + 1, n + 2, n + 3, n + 2, n + 1, n, n - 1, n - 2, n - 2, n - 1,
        n, n + 1, n + 2, n + 3, n + 2, n + 1, n,     0,     0, 1,     3,     4,     5,
        5, 4,     3,     1,     0,     0,     1,     3,     4, 5,     4,     4,     3,
        1, 0,     1,     3,     4,     3,     1,     0,     0, 1,     3,     4,     3,
        1, 0,     0,     1,     3,     4,     3,     0,     1, 3,     4,     3,     1000,
    };
    std::vector<FestoonSegment> segments;
    segments.reserve(speeds.size());
    for (std::size_t i = 0; i < speeds.size() && i < counts.size(); ++i)
        segments.push_back({counts[i] + 1, speeds[i]});
    return segments;
}

void RunWinningStyle(WinningStyle style, const WinningArea& area, WinningSurface& surface,
                     const CircleOffsets& circle) {
    switch (style) {
        case WinningStyle::kFestoons:
            return Festoons(area, surface);
        case WinningStyle::kCircles:
            return Circles(area, surface, circle);
        case WinningStyle::kLines:
            return Lines(area, surface);
        case WinningStyle::kOpenOrder:
            return OpenOrder(area, surface);
        case WinningStyle::kLeftToRight:
            return LeftToRight(area, surface);
        case WinningStyle::kUpToDown:
            return UpToDown(area, surface);
    }
}

}  // namespace vis
