// The five card face sets and what tells them apart.
#pragma once

#include <QColor>
#include <array>

namespace vis {

// How the court figures are drawn.
enum class CourtLook { kClassic, kEngraved, kFlat };

struct CourtPalette {
    QColor frame;    // line around the picture
    QColor ground;   // behind the figure
    QColor robe;     // main garment
    QColor robeAlt;  // second garment colour
    QColor trim;     // bands and borders
    QColor gold;     // crowns and metal
    QColor skin;
    QColor hair;
    QColor ink;  // outlines
};

struct FaceStyle {
    int set = 1;
    std::array<QColor, 4> suitColours;  // hearts, diamonds, clubs, spades
    QColor paper;
    QColor border;
    bool largeIndex = false;  // rank and suit side by side, big, for reading at a glance
    double indexWeight = 0.17;
    double indexCondense = 0.85;
    bool outlinedPips = false;  // pips with a fine inner line
    CourtLook look = CourtLook::kClassic;
    CourtPalette court;
};

// Sets 1-5: classic, four colours, large index, parchment, modern.
const FaceStyle& FaceStyleOf(int faceSet);

}  // namespace vis
