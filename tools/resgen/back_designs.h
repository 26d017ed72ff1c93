// The pictures of the 27 card backs, each painted on a 100 x 140 unit box.
#pragma once

#include <QPainter>

namespace vis {

inline constexpr double kBackUnitWidth = 100;
inline constexpr double kBackUnitHeight = 140;

using BackPainter = void (*)(QPainter&);
// The picture of back number 1-27.
BackPainter BackDesign(int back);

// Classics and geometric patterns.
void PaintClassicBlue(QPainter& painter);
void PaintClassicRed(QPainter& painter);
void PaintClassicOrange(QPainter& painter);
void PaintSunBack(QPainter& painter);
void PaintPlaiting1(QPainter& painter);
void PaintPlaiting2(QPainter& painter);
void PaintStarsBack(QPainter& painter);

// Landscapes and paintings of places.
void PaintCloudsBack(QPainter& painter);
void PaintHillsBack(QPainter& painter);
void PaintLakeBack(QPainter& painter);
void PaintMountains1(QPainter& painter);
void PaintMountains2(QPainter& painter);
void PaintSeaBack(QPainter& painter);
void PaintBoatBack(QPainter& painter);
void PaintAfricaBack(QPainter& painter);

// Animals and children's pictures.
void PaintEagleBack(QPainter& painter);
void PaintHorseBack(QPainter& painter);
void PaintPenguinBack(QPainter& painter);
void PaintTropicalFish(QPainter& painter);
void PaintDragonBack(QPainter& painter);
void PaintSnowmanBack(QPainter& painter);
void PaintTeddyBear(QPainter& painter);

// Flowers and figures.
void PaintFlowersBack(QPainter& painter);
void PaintFlowerBack(QPainter& painter);
void PaintRosesBack(QPainter& painter);
void PaintJapaneseWoman(QPainter& painter);
void PaintMagiBack(QPainter& painter);

}  // namespace vis
