#include <array>

#include "back_designs.h"
#include "families.h"
#include "render_tools.h"

namespace vis {

namespace {

// Back numbers as the deck tree files them.
constexpr std::array<BackPainter, 27> kDesigns{
    PaintBoatBack,       // 1
    PaintMagiBack,       // 2
    PaintSnowmanBack,    // 3
    PaintDragonBack,     // 4
    PaintFlowersBack,    // 5
    PaintPlaiting2,      // 6
    PaintClassicBlue,    // 7
    PaintClassicRed,     // 8
    PaintClassicOrange,  // 9
    PaintSunBack,        // 10
    PaintPlaiting1,      // 11
    PaintAfricaBack,     // 12
    PaintTeddyBear,      // 13
    PaintRosesBack,      // 14
    PaintFlowerBack,     // 15
    PaintJapaneseWoman,  // 16
    PaintStarsBack,      // 17
    PaintEagleBack,      // 18
    PaintTropicalFish,   // 19
    PaintLakeBack,       // 20
    PaintCloudsBack,     // 21
    PaintSeaBack,        // 22
    PaintMountains1,     // 23
    PaintPenguinBack,    // 24
    PaintMountains2,     // 25
    PaintHillsBack,      // 26
    PaintHorseBack,      // 27
};

// A white card with the picture inset and framed by a thin dark line.
QImage DrawCardBack(const CardSize& size, int back) {
    const double margin = size.letter == 'L' ? 1.5 : (size.letter == 'M' ? 3 : 3.5);
    QImage card = RenderSupersampled(size.width, size.height, [&](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, size.width, size.height), QColor(255, 255, 255));
        const QRectF picture(margin, margin, size.width - 2 * margin, size.height - 2 * margin);
        QPainterPath clip = RoundedRect(picture, size.letter == 'L' ? 1 : 2);
        painter.save();
        painter.setClipPath(clip);
        painter.translate(picture.topLeft());
        painter.scale(picture.width() / kBackUnitWidth, picture.height() / kBackUnitHeight);
        BackDesign(back)(painter);
        painter.restore();
        painter.strokePath(clip, QPen(QColor(40, 40, 48), size.letter == 'L' ? 0.4 : 0.6));
    });
    ApplyCardOutline(card, QColor(40, 40, 40));
    return card;
}

}  // namespace

BackPainter BackDesign(int back) {
    return kDesigns[static_cast<std::size_t>((back - 1 + 27) % 27)];
}

void QueueCardBacks(std::vector<Job>& jobs, LibraryWriter& writer) {
    for (const CardSize& size : kCardSizes) {
        for (int back = 1; back <= kBackCount; ++back) {
            jobs.push_back([&writer, size, back] {
                writer.AddBitmap(CardBackName(size.letter, back), DrawCardBack(size, back));
            });
        }
    }
}

}  // namespace vis
