// Small pictures of the windows' controls: toolbar glyphs, tree icons,
// game-type pictures, the card counter's cells, suit symbols and the
// previews of the Customize dialog.
#pragma once

#include <QImage>
#include <string_view>

namespace vis {

// Outline colour of the small pictures.
inline const QColor kIconOutline(40, 44, 56);

// Glyph of a toolbar command, `size` pixels square; the disabled form greyed.
QImage DrawToolbarGlyph(std::string_view command, int size, bool disabled);

// Tree icons keyed on RGB(128, 0, 0); game-type pictures with alpha.
QImage DrawTreeIcon(std::string_view name);
QImage DrawTypePicture(int gameType);
inline const QColor kTreeIconKey(128, 0, 0);

QImage DrawCounterRowLabel(int suitIndex);
QImage DrawCounterCell(int rank, bool up);
QImage DrawCounterEmptyCell();
QImage DrawSuitSymbol(int suitIndex);
// The sort direction arrows of the grid headers, on a clear ground.
QImage DrawSortArrow(bool up);

// Previews of the card effects, keyed on red where transparent.
QImage DrawEffectPreview(std::string_view name);
QImage DrawAnimatedStrip(bool animated);
inline const QColor kPreviewKey(255, 0, 0);

}  // namespace vis
