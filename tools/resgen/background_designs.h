// The background tiles, each drawn `size` pixels square and seamless.
#pragma once

#include <QImage>

namespace vis {

using BackgroundPainter = QImage (*)(int size);
// The tile of background picture `number`; null for a number without one.
BackgroundPainter BackgroundDesign(int number);

// Nature: stone, sky, water, plants.
QImage PaintMarble1(int size);
QImage PaintMarble2(int size);
QImage PaintMarble3(int size);
QImage PaintGranite(int size);
QImage PaintCloudsTile(int size);
QImage PaintWater(int size);
QImage PaintStarrySky(int size);
QImage PaintLeaves(int size);
QImage PaintMeadow(int size);
QImage PaintRiverStones(int size);
QImage PaintDrops(int size);
QImage PaintBubbles(int size);
QImage PaintPetals(int size);
QImage PaintSpheresInTheSky(int size);
QImage PaintWax(int size);
QImage PaintCork(int size);

// Materials: wood, metal, surfaces, walls.
QImage PaintWoodLight1(int size);
QImage PaintWoodLight2(int size);
QImage PaintWoodLightBrown(int size);
QImage PaintWoodDarkBrown1(int size);
QImage PaintWoodDarkBrown2(int size);
QImage PaintPlyWood(int size);
QImage PaintCarvedWood(int size);
QImage PaintParquet(int size);
QImage PaintMetalBlue(int size);
QImage PaintMetalGold(int size);
QImage PaintSurface(int size, int variant);  // variants 1-8
QImage PaintGlass(int size);
QImage PaintFoldPaper(int size);
QImage PaintWallPaper(int size);
QImage PaintBrickWall1(int size);
QImage PaintBrickWall2(int size);
QImage PaintStoneWall(int size);
QImage PaintFloor(int size);

// Textiles.
QImage PaintJute(int size);
QImage PaintLinen(int size);
QImage PaintCloth(int size);
QImage PaintCarpet(int size);
QImage PaintMoquette1(int size);
QImage PaintMoquette2(int size);
QImage PaintMoquette3(int size);
QImage PaintRibbon(int size);

// Patterns and fantasies.
QImage PaintFantasy1(int size);
QImage PaintFantasy2(int size);
QImage PaintFantasy3(int size);
QImage PaintFantasy(int size);
QImage PaintFractal1(int size);
QImage PaintFractal2(int size);
QImage PaintLabyrinth(int size);
QImage PaintZigzag(int size);
QImage PaintPuzzle(int size);
QImage PaintPattern1(int size);
QImage PaintPattern2(int size);
QImage PaintPattern3(int size);
QImage PaintPattern4(int size);
QImage PaintLetters(int size);

// Few-colour tiles for displays of 256 colours or fewer.
QImage PaintPlainParquet(int size);
QImage PaintPlainMoquette(int size);
QImage PaintPlainCloth(int size);
QImage PaintCaneBrake(int size);
QImage PaintThousandRows(int size);

// The demonstration background.
QImage PaintDemoTile(int size);

}  // namespace vis
