// The completion mark over the top card of every full foundation: one of
// five patterns in one of fifteen colours, chosen in the advanced options.
#pragma once

#include <QColor>

#include "view/paint/paint_scene.h"

namespace vis {

inline constexpr int kHighlightStyleCount = 6;
inline constexpr int kHighlightColourCount = 15;

struct FoundationHighlight {
    int style = 0;   // 0 nothing, 1 fine diagonals, 2 solid, 3-5 hatches
    int colour = 0;  // colour code 0-14
};

// The colour of a highlight colour code; black for codes outside the table.
QColor HighlightColour(int code);

// Paints a mark style (1-5) over `rect`; false for no mark (style 0 or
// unknown).
bool PaintHighlightMark(QImage& target, const QRect& rect, int style, QColor colour);

// Foundation `index` holds as many cards as it can: rule 112 + i, or rule
// 31 when that rule is -1.
bool IsFoundationComplete(const GameContext& ctx, int index);

// The style in force for the game and the configured colour.
FoundationHighlight ConfiguredHighlight(const GameContext& ctx);

// Paints the highlight over the top card of foundation `index` when it is
// complete, or of every complete foundation for -1.
void HighlightFoundations(PaintScene& scene, int index, const FoundationHighlight& highlight);

}  // namespace vis
