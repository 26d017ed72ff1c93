#include "app/table_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/game_session.h"
#include "engine/pointer_events.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

PointerButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return PointerButton::kRight;
        case Qt::MiddleButton:
            return PointerButton::kMiddle;
        default:
            return PointerButton::kLeft;
    }
}

PointerKeys KeysOf(const QMouseEvent& event) {
    return {.shift = (event.modifiers() & Qt::ShiftModifier) != 0,
            .ctrl = (event.modifiers() & Qt::ControlModifier) != 0};
}

}  // namespace

TableWidget::TableWidget(GameSession& session, TablePainter& painter, QWidget* parent)
    : QWidget(parent), session_(session), painter_(painter) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    painter_.Picture().SetChangeListener([this](const QRect& rect) { TableChanged(rect); });
}

int TableWidget::ScrollOffset() const {
    return session_.ctx.game.layout.scrollOffset;
}

void TableWidget::TableChanged(const QRect& tableRect) {
    update(tableRect.translated(0, -ScrollOffset()));
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter_.Picture().PaintWindow(painter, event->rect(), ScrollOffset());
}

// The pointer logic works in table coordinates: the window point plus the
// scroll offset.
void TableWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    PointerDown(session_.ctx, session_.play, ButtonOf(event->button()), KeysOf(*event), at.x(),
                at.y() + ScrollOffset());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    PointerMove(session_.ctx, session_.play, KeysOf(*event), at.x(), at.y() + ScrollOffset());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    PointerUp(session_.ctx, session_.play, ButtonOf(event->button()), at.x(),
              at.y() + ScrollOffset());
}

// Qt reports a double click in place of the second press: the core wants
// the double click first, then that press.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PointerDoubleClick(session_.ctx, session_.play);
    mousePressEvent(event);
}

}  // namespace vis
