// The two off-screen pictures of the table: `BackBitmap`, the painted table
// (background and every card), and `BackgroundBitmap`, the background alone,
// from which every step that uncovers the table restores it. Both hold the
// unscrolled table; the window shows a band of `BackBitmap` starting at the
// scroll offset, with the inverted rectangles of selected cards and the
// floating picture of cards in motion over it.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>
#include <vector>

class QPainter;

namespace vis {

class TablePicture {
public:
    TablePicture();

    // Both pictures get the size; their content is undefined until painted.
    void Resize(QSize size);
    QSize Size() const { return back_.size(); }

    QImage& BackBitmap() { return back_; }
    const QImage& BackBitmap() const { return back_; }
    QImage& BackgroundBitmap() { return background_; }
    const QImage& BackgroundBitmap() const { return background_; }

    // Told of every rectangle of `BackBitmap` (table coordinates) that
    // changed, so the window can repaint that part.
    void SetChangeListener(std::function<void(const QRect&)> listener) {
        listener_ = std::move(listener);
    }
    void Changed(const QRect& tableRect) const;
    void ChangedAll() const { Changed(back_.rect()); }

    // Rectangles shown inverted on the window only (selected cards), in
    // table coordinates.
    void SetInverted(const QRect& tableRect, bool inverted);
    void ClearInverted();
    const std::vector<QRect>& Inverted() const { return inverted_; }

    // A picture floating over the table on the window only: cards in
    // motion, or a covered card shown whole. `BackBitmap` keeps the table
    // beneath it, so taking it away needs no restoring. The caller reports
    // the rectangles that change.
    void SetFloating(const QImage& picture, QPoint tableAt);
    void ClearFloating() { floating_ = QImage(); }
    bool HasFloating() const { return !floating_.isNull(); }
    const QImage& Floating() const { return floating_; }
    // Table coordinates; empty without a floating picture.
    QRect FloatingRect() const;

    // Paints the window's rectangle `windowRect` (window coordinates, the
    // table starting at the window's y 0) for scroll offset `scrollOffset`:
    // the band of `BackBitmap`, then the inverted rectangles with their
    // rounded corners showing the background, then the floating picture.
    void PaintWindow(QPainter& painter, const QRect& windowRect, int scrollOffset) const;
    // The window's picture of a rectangle, as PaintWindow draws it.
    QImage WindowImage(const QRect& windowRect, int scrollOffset) const;

private:
    QImage back_;
    QImage background_;
    std::vector<QRect> inverted_;
    QImage floating_;
    QPoint floatingAt_;
    std::function<void(const QRect&)> listener_;
};

// The four rounded corners of a card rectangle: each the corner pixel and
// its horizontal and vertical neighbours, only the corner pixel for cards 25
// pixels wide or narrower.
std::vector<QPoint> CornerPixels(const QRect& card);

}  // namespace vis
