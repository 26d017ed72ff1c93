#include "face_styles.h"

#include "suit_shapes.h"

namespace vis {

namespace {

CourtPalette ClassicCourt() {
    return {QColor(40, 40, 48),    QColor(255, 255, 255), QColor(196, 28, 40),
            QColor(30, 70, 170),   QColor(20, 20, 24),    QColor(238, 186, 36),
            QColor(252, 222, 186), QColor(120, 70, 30),   QColor(24, 24, 28)};
}

std::array<FaceStyle, 5> BuildStyles() {
    std::array<FaceStyle, 5> styles;

    FaceStyle& classic = styles[0];
    classic.set = 1;
    classic.suitColours = {kClassicRed, kClassicRed, kClassicBlack, kClassicBlack};
    classic.paper = QColor(255, 255, 255);
    classic.border = QColor(40, 40, 40);
    classic.court = ClassicCourt();

    FaceStyle& fourColour = styles[1];
    fourColour = classic;
    fourColour.set = 2;
    fourColour.suitColours = {QColor(212, 22, 36), QColor(18, 92, 210), QColor(12, 128, 56),
                              QColor(20, 20, 26)};
    fourColour.court.robe = QColor(200, 34, 44);
    fourColour.court.robeAlt = QColor(18, 96, 200);
    fourColour.court.trim = QColor(12, 110, 52);

    FaceStyle& large = styles[2];
    large = classic;
    large.set = 3;
    large.suitColours = {QColor(220, 0, 0), QColor(220, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0)};
    large.largeIndex = true;
    large.indexWeight = 0.2;
    large.indexCondense = 0.82;
    large.border = QColor(0, 0, 0);
    large.court.robe = QColor(220, 0, 0);
    large.court.robeAlt = QColor(0, 0, 200);
    large.court.gold = QColor(255, 208, 0);
    large.court.skin = QColor(255, 228, 196);

    FaceStyle& parchment = styles[3];
    parchment.set = 4;
    parchment.suitColours = {QColor(160, 28, 30), QColor(160, 28, 30), QColor(44, 34, 28),
                             QColor(44, 34, 28)};
    parchment.paper = QColor(250, 243, 224);
    parchment.border = QColor(96, 70, 44);
    parchment.indexWeight = 0.15;
    parchment.indexCondense = 0.8;
    parchment.outlinedPips = true;
    parchment.look = CourtLook::kEngraved;
    parchment.court = {QColor(96, 70, 44),    QColor(246, 234, 206), QColor(150, 40, 34),
                       QColor(58, 84, 104),   QColor(60, 44, 30),    QColor(200, 150, 60),
                       QColor(246, 220, 188), QColor(90, 60, 34),    QColor(60, 44, 30)};

    FaceStyle& modern = styles[4];
    modern.set = 5;
    modern.suitColours = {QColor(230, 56, 70), QColor(240, 110, 40), QColor(34, 120, 110),
                          QColor(36, 44, 70)};
    modern.paper = QColor(255, 255, 255);
    modern.border = QColor(120, 128, 140);
    modern.indexWeight = 0.13;
    modern.indexCondense = 0.78;
    modern.look = CourtLook::kFlat;
    modern.court = {QColor(200, 206, 214), QColor(244, 246, 250), QColor(36, 44, 70),
                    QColor(230, 56, 70),   QColor(255, 255, 255), QColor(240, 190, 60),
                    QColor(250, 214, 180), QColor(36, 44, 70),    QColor(36, 44, 70)};
    return styles;
}

}  // namespace

const FaceStyle& FaceStyleOf(int faceSet) {
    static const std::array<FaceStyle, 5> styles = BuildStyles();
    int index = (faceSet - 1) % 5;
    return styles[static_cast<std::size_t>(index < 0 ? 0 : index)];
}

}  // namespace vis
