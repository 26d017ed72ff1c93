#include <utility>

#include "background_designs.h"
#include "families.h"

namespace vis {

namespace {

template <int kVariant>
QImage Surface(int size) {
    return PaintSurface(size, kVariant);
}

// Picture numbers as the background tree files them.
constexpr std::pair<int, BackgroundPainter> kDesigns[] = {
    {101, PaintPlainParquet},
    {102, PaintPlainMoquette},
    {103, PaintPlainCloth},
    {104, PaintCaneBrake},
    {105, PaintThousandRows},
    {257, PaintWater},
    {258, PaintJute},
    {259, PaintWallPaper},
    {260, PaintMarble3},
    {261, PaintMarble2},
    {262, PaintGranite},
    {263, PaintMarble1},
    {264, Surface<1>},
    {265, PaintBubbles},
    {266, PaintMoquette3},
    {267, PaintCarpet},
    {268, PaintLinen},
    {269, PaintWoodLight1},
    {270, PaintCarvedWood},
    {271, PaintFantasy2},
    {272, PaintMetalBlue},
    {273, PaintDrops},
    {274, PaintCloudsTile},
    {275, PaintPetals},
    {276, PaintZigzag},
    {277, PaintLeaves},
    {278, PaintLabyrinth},
    {279, PaintFantasy1},
    {281, PaintRiverStones},
    {282, PaintStarrySky},
    {283, PaintFantasy3},
    {284, PaintLetters},
    {285, PaintFloor},
    {286, PaintFractal2},
    {287, PaintMetalGold},
    {288, Surface<6>},
    {289, PaintPlyWood},
    {290, Surface<4>},
    {291, Surface<3>},
    {292, Surface<5>},
    {293, Surface<2>},
    {295, Surface<7>},
    {296, PaintMoquette1},
    {297, PaintGlass},
    {299, PaintWax},
    {301, PaintRibbon},
    {302, PaintPattern1},
    {303, PaintFoldPaper},
    {304, PaintBrickWall1},
    {305, PaintBrickWall2},
    {306, Surface<8>},
    {307, PaintSpheresInTheSky},
    {308, PaintStoneWall},
    {309, PaintCork},
    {310, PaintFantasy},
    {311, PaintParquet},
    {312, PaintWoodLightBrown},
    {313, PaintWoodLight2},
    {314, PaintWoodDarkBrown2},
    {315, PaintWoodDarkBrown1},
    {316, PaintPuzzle},
    {317, PaintCloth},
    {318, PaintPattern2},
    {319, PaintPattern3},
    {320, PaintPattern4},
    {321, PaintMoquette2},
    {322, PaintFractal1},
    {324, PaintMeadow},
};

}  // namespace

BackgroundPainter BackgroundDesign(int number) {
    for (const auto& [picture, painter] : kDesigns) {
        if (picture == number) return painter;
    }
    return nullptr;
}

void QueueBackgrounds(std::vector<Job>& jobs, LibraryWriter& writer) {
    for (int number : BackgroundPictureNumbers()) {
        jobs.push_back([&writer, number] {
            const int size = number < 200 ? kPlainBackgroundTile : kRichBackgroundTile;
            BackgroundPainter painter = BackgroundDesign(number);
            if (painter != nullptr) writer.AddBitmap(BackgroundName(number), painter(size));
        });
    }
    jobs.push_back(
        [&writer] { writer.AddBitmap(kDemoBackgroundName, PaintDemoTile(kDemoBackgroundTile)); });
}

}  // namespace vis
