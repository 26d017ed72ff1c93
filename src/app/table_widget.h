// The table picture (imgSfondo): paints the visible band of the painted
// table and turns the mouse into the core's pointer events.
#pragma once

#include <QWidget>

namespace vis {

struct GameSession;
class TablePainter;

class TableWidget : public QWidget {
public:
    TableWidget(GameSession& session, TablePainter& painter, QWidget* parent);

    // The table's scroll offset, kept by the layout.
    int ScrollOffset() const;
    // A rectangle of the table changed: repaint where the window shows it.
    void TableChanged(const QRect& tableRect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    GameSession& session_;
    TablePainter& painter_;
};

}  // namespace vis
