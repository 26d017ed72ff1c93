// The pictures cards are made of, taken from the resource library for the
// card size, face set and back in force: 53 faces, the back, the empty-pile
// marks, the shadow strips and the stack edges.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "model/cards.h"

namespace vis {

class ResourceLibrary;

// Transparent colours of the effect strips.
inline constexpr QRgb kShadowKeyColour = 0xffffffffu;     // white
inline constexpr QRgb kStackEdgeKeyColour = 0xff0000ffu;  // pure blue

inline constexpr int kCardImageCount = 53;
inline constexpr int kJokerImage = 52;

// The face picture a card number uses: 0-51 by suit (hearts, diamonds,
// clubs, spades) and rank, the second deck sharing the first deck's
// pictures, jokers 52; -1 for numbers that are no card.
int CardImageIndex(CardNumber card);

class CardImages {
public:
    // Loads everything for size letter `size` ("B", "M", "L"), face set and
    // back number (three-digit texts as the state block keeps them). A
    // missing picture is an empty image.
    void Reload(const ResourceLibrary& library, char size, std::string_view faceSet,
                std::string_view back);

    char Size() const { return size_; }
    // Empty for numbers that have no picture.
    const QImage& Face(CardNumber card) const;
    const QImage& Back() const { return back_; }
    // Empty-pile mark by suffix ("022", "_WASTE" ...).
    const QImage& Mark(std::string_view suffix) const;
    const QImage& Shadow(int side) const { return shadows_[side == 1 ? 0 : 1]; }
    const QImage& StackEdge(int direction) const { return stackEdges_[direction == 1 ? 0 : 1]; }

private:
    char size_ = 'B';
    std::array<QImage, kCardImageCount> faces_;
    QImage back_;
    QHash<QString, QImage> marks_;
    std::array<QImage, 2> shadows_;
    std::array<QImage, 2> stackEdges_;
    QImage empty_;
};

}  // namespace vis
