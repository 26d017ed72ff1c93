// Cards, backs and empty-pile marks on the off-screen table. Cards are
// square pictures whose corner pixels are patched with what lies beneath,
// so the rounded corners show the card below or the background.
#pragma once

#include "model/cards.h"
#include "view/paint/mark_choice.h"
#include "view/paint/paint_scene.h"

namespace vis {

// The light grey a covered card's lower right corner takes.
inline constexpr QRgb kCoveredCornerColour = 0xffc0c0c0u;

// The face of `card` with its top-left corner at `at` (y scrolled).
// `covered`: another card lies over its lower part.
void PaintCard(PaintScene& scene, CardNumber card, Point at, bool covered);
// The card back, cut to `height` pixels.
void PaintBack(PaintScene& scene, Point at, int height, bool covered);
// The face or the back, as the card lies in the deck table.
void PaintCardAsItLies(PaintScene& scene, CardNumber card, Point at, bool covered);
// The empty-pile mark of a pile of `kind`, copied whole at `at`.
void PaintMark(PaintScene& scene, MarkKind kind, Point at, int pileIndex);

}  // namespace vis
