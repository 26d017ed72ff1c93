#include "view/paint/table_picture.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "view/paint/pixel_ops.h"

namespace vis {

namespace {

// Cards this narrow round only their very corner pixel.
constexpr int kNarrowCardWidth = 25;

}  // namespace

TablePicture::TablePicture() {
    Resize(QSize(1, 1));
}

void TablePicture::Resize(QSize size) {
    const QSize bounded(std::max(1, size.width()), std::max(1, size.height()));
    if (back_.size() == bounded) return;
    back_ = QImage(bounded, QImage::Format_RGB32);
    background_ = QImage(bounded, QImage::Format_RGB32);
    back_.fill(Qt::black);
    background_.fill(Qt::black);
}

void TablePicture::Changed(const QRect& tableRect) const {
    if (listener_ && !tableRect.isEmpty()) listener_(tableRect);
}

void TablePicture::SetInverted(const QRect& tableRect, bool inverted) {
    const auto found = std::find(inverted_.begin(), inverted_.end(), tableRect);
    if (inverted && found == inverted_.end()) inverted_.push_back(tableRect);
    if (!inverted && found != inverted_.end()) inverted_.erase(found);
    Changed(tableRect);
}

void TablePicture::ClearInverted() {
    for (const QRect& rect : std::exchange(inverted_, {})) Changed(rect);
}

void TablePicture::SetFloating(const QImage& picture, QPoint tableAt) {
    // Blit composes 32-bit pixels with straight alpha only.
    floating_ = picture.format() == QImage::Format_ARGB32
                    ? picture
                    : picture.convertToFormat(QImage::Format_ARGB32);
    floatingAt_ = tableAt;
}

QRect TablePicture::FloatingRect() const {
    return floating_.isNull() ? QRect() : QRect(floatingAt_, floating_.size());
}

QImage TablePicture::WindowImage(const QRect& windowRect, int scrollOffset) const {
    QImage image(windowRect.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRect tableRect = windowRect.translated(0, scrollOffset);
    paint::Blit(image, QPoint(0, 0), back_, tableRect);
    for (const QRect& card : inverted_) {
        const QRect overlap = card.intersected(tableRect);
        if (overlap.isEmpty()) continue;
        for (int y = overlap.top(); y <= overlap.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y - tableRect.top()));
            for (int x = overlap.left(); x <= overlap.right(); ++x) {
                QRgb& pixel = line[x - tableRect.left()];
                pixel = (~pixel & 0x00ffffffu) | 0xff000000u;
            }
        }
        for (const QPoint& corner : CornerPixels(card)) {
            if (!tableRect.contains(corner)) continue;
            image.setPixel(corner - tableRect.topLeft(),
                           paint::PixelOr(background_, corner.x(), corner.y(), 0xff000000u));
        }
    }
    if (FloatingRect().intersects(tableRect))
        paint::Blit(image, floatingAt_ - tableRect.topLeft(), floating_);
    return image;
}

void TablePicture::PaintWindow(QPainter& painter, const QRect& windowRect, int scrollOffset) const {
    if (inverted_.empty() && !FloatingRect().intersects(windowRect.translated(0, scrollOffset))) {
        painter.drawImage(windowRect.topLeft(), back_, windowRect.translated(0, scrollOffset));
        return;
    }
    painter.drawImage(windowRect.topLeft(), WindowImage(windowRect, scrollOffset));
}

std::vector<QPoint> CornerPixels(const QRect& card) {
    std::vector<QPoint> pixels;
    const bool narrow = card.width() <= kNarrowCardWidth;
    const int left = card.left();
    const int right = card.right();
    const int top = card.top();
    const int bottom = card.bottom();
    const auto corner = [&](int x, int y, int dx, int dy) {
        pixels.emplace_back(x, y);
        if (narrow) return;
        pixels.emplace_back(x + dx, y);
        pixels.emplace_back(x, y + dy);
    };
    corner(left, top, 1, 1);
    corner(right, top, -1, 1);
    corner(left, bottom, 1, -1);
    corner(right, bottom, -1, -1);
    return pixels;
}

}  // namespace vis
