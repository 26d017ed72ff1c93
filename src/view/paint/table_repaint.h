// The whole table: every pile from the pile texts, in the order in which
// they lie on each other.
#pragma once

#include <QRect>
#include <vector>

#include "view/geometry/table_window.h"
#include "view/paint/foundation_highlight.h"
#include "view/paint/paint_scene.h"

namespace vis {

// Paints every pile onto the table as it stands, only while a game is in
// progress. With `deal` the empty marks of the tableau and the reserves go
// down first. The scroll offset and the table extent start again from 0.
void RepaintAll(PaintScene& scene, bool deal, const FoundationHighlight& highlight);

// Lays the table out for the window, paints the background and every pile,
// and shows the selected cards (table rectangles) inverted.
void RepaintTable(PaintScene& scene, const TableWindow& window, ScreenSize screen,
                  const FoundationHighlight& highlight, const std::vector<QRect>& selected);

}  // namespace vis
