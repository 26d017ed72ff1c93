#include "view/paint/card_images.h"

#include "media/resource_library.h"
#include "media/resource_names.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr int kRanks = 13;
// Back 11 is drawn in every size; any other medium back is the big one
// scaled down.
constexpr std::string_view kBackDrawnInEverySize = "011";

// Pictures are kept as 32-bit pixels; one without a single transparent
// pixel drops its alpha channel, so it is copied row by row.
QImage Prepared(const QImage& image) {
    if (image.isNull()) return image;
    QImage result = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                  : QImage::Format_RGB32);
    if (result.format() == QImage::Format_ARGB32) {
        bool opaque = true;
        for (int y = 0; y < result.height() && opaque; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(result.constScanLine(y));
            for (int x = 0; x < result.width() && opaque; ++x) opaque = qAlpha(line[x]) == 255;
        }
        if (opaque) result = result.convertToFormat(QImage::Format_RGB32);
    }
    return result;
}

int ParseThreeDigits(std::string_view text, int fallback) {
    const auto value = ParseInt(text);
    return value ? *value : fallback;
}

}  // namespace

int CardImageIndex(CardNumber card) {
    if (card >= 1 && card <= 52) return card - 1;
    if (card >= 53 && card <= 104) return card - 53;
    if (card >= kFirstJoker && card <= kLastCard) return kJokerImage;
    return -1;
}

void CardImages::Reload(const ResourceLibrary& library, char size, std::string_view faceSet,
                        std::string_view back) {
    const std::optional<CardSize> cardSize = CardSizeOf(size);
    size_ = cardSize ? size : 'B';
    const int width = cardSize ? cardSize->width : 71;
    const int height = cardSize ? cardSize->height : 96;

    const int set = ParseThreeDigits(faceSet, 1);
    for (int suit = 0; suit < 4; ++suit) {
        const QImage sheet =
            Prepared(library.Bitmap(CardSheetName(size_, set, kSuitLetters[suit])));
        for (int rank = 0; rank < kRanks; ++rank) {
            const QRect cell((rank % kSheetColumns) * width, (rank / kSheetColumns) * height, width,
                             height);
            faces_[static_cast<std::size_t>(suit * kRanks + rank)] =
                sheet.isNull() ? QImage() : sheet.copy(cell);
        }
    }
    faces_[kJokerImage] = Prepared(library.Bitmap(JokerName(size_)));

    const int backNumber = ParseThreeDigits(back, 11);
    if (size_ == 'M' && ZeroPad(backNumber, 3) != kBackDrawnInEverySize) {
        const QImage big = library.Bitmap(CardBackName('B', backNumber));
        back_ = big.isNull() ? QImage()
                             : Prepared(big.scaled(width, height, Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation));
    } else {
        back_ = Prepared(library.Bitmap(CardBackName(size_, backNumber)));
    }

    marks_.clear();
    for (const std::string& suffix : PileMarkSuffixes())
        marks_.insert(QString::fromStdString(suffix),
                      Prepared(library.Bitmap(PileMarkName(size_, suffix))));
    for (int side = 1; side <= 2; ++side) {
        shadows_[static_cast<std::size_t>(side - 1)] =
            Prepared(library.Bitmap(ShadowName(size_, side)));
        stackEdges_[static_cast<std::size_t>(side - 1)] =
            Prepared(library.Bitmap(StackEdgeName(size_, side)));
    }
}

const QImage& CardImages::Face(CardNumber card) const {
    const int index = CardImageIndex(card);
    return index < 0 ? empty_ : faces_[static_cast<std::size_t>(index)];
}

const QImage& CardImages::Mark(std::string_view suffix) const {
    const auto found = marks_.constFind(QString::fromUtf8(suffix.data(), suffix.size()));
    return found == marks_.constEnd() ? empty_ : *found;
}

}  // namespace vis
