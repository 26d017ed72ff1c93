// The table picture (imgSfondo): paints the visible band of the painted
// table and turns the mouse into the core's pointer events.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>

class QScrollBar;

namespace vis {

struct GameSession;
class TablePainter;

class TableWidget : public QWidget {
public:
    TableWidget(GameSession& session, TablePainter& painter, QWidget* parent);

    // The table's scroll offset, kept by the layout.
    int ScrollOffset() const;
    // How far the table is scrolled sideways, when it is wider than the
    // window.
    int HorizontalOffset() const { return horizontalOffset_; }
    void SetHorizontalOffset(int offset);
    // The table point under a window point, and back.
    QPoint TableAt(QPoint windowAt) const;
    QPoint WindowAt(QPoint tableAt) const;
    // The bars the mouse wheel turns: down and up, and sideways with Shift
    // or Alt (or when only that bar is shown).
    void SetScrollBars(QScrollBar* vertical, QScrollBar* horizontal);
    // A rectangle of the table changed: repaint where the window shows it,
    // and tell `changed` (the scroll bars follow the painted table).
    void TableChanged(const QRect& tableRect);
    void SetChangeCallback(std::function<void()> changed) { changed_ = std::move(changed); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    GameSession& session_;
    TablePainter& painter_;
    int horizontalOffset_ = 0;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    std::function<void()> changed_;
};

}  // namespace vis
