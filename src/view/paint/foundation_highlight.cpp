#include "view/paint/foundation_highlight.h"

#include <QPainter>
#include <array>

#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/paint/pile_painter.h"

namespace vis {

namespace {

constexpr std::array<QRgb, kHighlightColourCount> kColours{
    qRgb(0, 0, 0),       qRgb(0, 0, 255),   qRgb(0, 255, 255),   qRgb(0, 255, 0),
    qRgb(255, 185, 220), qRgb(255, 70, 70), qRgb(255, 255, 128), qRgb(0, 0, 160),
    qRgb(0, 128, 128),   qRgb(0, 128, 64),  qRgb(255, 128, 255), qRgb(128, 0, 64),
    qRgb(128, 128, 0),   qRgb(128, 0, 0),   qRgb(192, 192, 192)};

constexpr int kFineDiagonals = 1;
constexpr int kSolid = 2;
constexpr int kBackDiagonalHatch = 3;
constexpr int kCrossHatch = 4;
constexpr int kDiagonalCrossHatch = 5;
constexpr int kUnlimitedByRule = -1;

// Diagonal lines every second pixel from the left and top edges; the four
// corner pixels stay clear so the rounded corners keep their look.
void PaintFineDiagonals(QImage& target, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const bool corner =
                (x == rect.left() || x == rect.right()) && (y == rect.top() || y == rect.bottom());
            if (!corner && ((x - rect.left()) + (y - rect.top())) % 2 == 0) line[x] = colour;
        }
    }
}

void PaintPattern(QImage& target, const QRect& rect, QColor colour, Qt::BrushStyle style) {
    QPainter painter(&target);
    painter.fillRect(rect, QBrush(colour, style));
}

void PaintHighlight(PaintScene& scene, int index, const FoundationHighlight& highlight) {
    const PileRef pile{PileList::Dest, index};
    if (!IsOnTable(scene.Layout(), pile) || !IsFoundationComplete(scene.ctx, index)) return;
    const Point top = CardPosition(scene.ctx, pile, 0, false);
    if (IsUnsetPosition(top)) return;
    const QRect card = scene.CardRectOnBitmap(top);
    // One pixel in from every side.
    const QRect rect = card.adjusted(1, 1, -1, -1).intersected(scene.Back().rect());
    if (rect.isEmpty()) return;
    if (!PaintHighlightMark(scene.Back(), rect, highlight.style, HighlightColour(highlight.colour)))
        return;
    scene.picture.Changed(rect);
}

}  // namespace

bool PaintHighlightMark(QImage& target, const QRect& rect, int style, QColor colour) {
    switch (style) {
        case kFineDiagonals:
            PaintFineDiagonals(target, rect, colour.rgb());
            break;
        case kSolid:
            PaintPattern(target, rect, colour, Qt::SolidPattern);
            break;
        case kBackDiagonalHatch:
            PaintPattern(target, rect, colour, Qt::BDiagPattern);
            break;
        case kCrossHatch:
            PaintPattern(target, rect, colour, Qt::CrossPattern);
            break;
        case kDiagonalCrossHatch:
            PaintPattern(target, rect, colour, Qt::DiagCrossPattern);
            break;
        default:
            return false;
    }
    return true;
}

QColor HighlightColour(int code) {
    if (code < 0 || code >= kHighlightColourCount) return QColor(0, 0, 0);
    return QColor(kColours[static_cast<std::size_t>(code)]);
}

bool IsFoundationComplete(const GameContext& ctx, int index) {
    const int count = CardCount(ctx.piles.dest[static_cast<std::size_t>(index)]);
    if (count == 0) return false;
    const int full = ctx.rules[rule::kFoundationComplete + index];
    if (full == kUnlimitedByRule) return count == ctx.rules[rule::kFoundationMaxCards];
    return count == full;
}

FoundationHighlight ConfiguredHighlight(const GameContext& ctx) {
    // The style is kept with the game; the colour is read when it is needed.
    FoundationHighlight highlight{.style = ctx.game.foundationHighlightStyle};
    if (highlight.style != 0)
        highlight.colour = ReadPrefInt(ConfigFilePath(ctx.state), kPreferenceSection,
                                       "HighLights_Foundations_Color", 0);
    return highlight;
}

void HighlightFoundations(PaintScene& scene, int index, const FoundationHighlight& highlight) {
    if (highlight.style <= 0 || highlight.style >= kHighlightStyleCount) return;
    if (index >= 0) {
        if (index < kDestPileCount) PaintHighlight(scene, index, highlight);
        return;
    }
    for (int i = 0; i < kDestPileCount; ++i) PaintHighlight(scene, i, highlight);
}

}  // namespace vis
