// Our own lettering: every letter and digit a picture shows is a stroked
// outline drawn here, so the pictures look the same on every machine.
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <string_view>

namespace vis {

struct LetteringStyle {
    double capHeight = 10;   // pixels from baseline to the top of a capital
    double weight = 0.16;    // stroke width as a share of the cap height
    double condense = 1.0;   // horizontal scale of the letter shapes
    double tracking = 0.16;  // extra space between letters, share of the cap height
};

// Filled outline of `text` (letters are drawn as capitals) whose cap box
// starts at `topLeft`; strokes reach half a stroke beyond the box.
QPainterPath TextPath(std::string_view text, const LetteringStyle& style, QPointF topLeft = {});
// Width of the cap box of `text`, strokes not counted.
double TextWidth(std::string_view text, const LetteringStyle& style);
// The same outline centred on `centre`.
QPainterPath CentredText(std::string_view text, const LetteringStyle& style, QPointF centre);

// A small path language (M, L, C, Q, Z, E for an ellipse) in a unit space,
// used by the letters and by other line drawings.
QPainterPath ParsePath(std::string_view commands);

}  // namespace vis
