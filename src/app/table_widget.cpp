#include "app/table_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "app/game_session.h"
#include "engine/pointer_events.h"
#include "view/paint/table_painter.h"

namespace vis {

namespace {

// One notch of the wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

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

bool Shown(const QScrollBar* bar) {
    return bar != nullptr && !bar->isHidden();
}

// Turns `bar` by the wheel's `delta`: a large step of the bar a notch.
void Turn(QScrollBar* bar, int delta) {
    bar->setValue(bar->value() - delta * bar->pageStep() / kWheelNotch);
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

void TableWidget::SetHorizontalOffset(int offset) {
    if (offset == horizontalOffset_) return;
    horizontalOffset_ = offset;
    update();
}

QPoint TableWidget::TableAt(QPoint windowAt) const {
    return windowAt + QPoint(horizontalOffset_, ScrollOffset());
}

QPoint TableWidget::WindowAt(QPoint tableAt) const {
    return tableAt - QPoint(horizontalOffset_, ScrollOffset());
}

void TableWidget::SetScrollBars(QScrollBar* vertical, QScrollBar* horizontal) {
    vertical_ = vertical;
    horizontal_ = horizontal;
}

void TableWidget::TableChanged(const QRect& tableRect) {
    update(tableRect.translated(-horizontalOffset_, -ScrollOffset()));
    if (changed_) changed_();
}

// The picture paints window rectangles for the vertical offset; the
// sideways offset shifts the window over it.
void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.translate(-horizontalOffset_, 0);
    painter_.Picture().PaintWindow(painter, event->rect().translated(horizontalOffset_, 0),
                                   ScrollOffset());
}

// The pointer logic works in table coordinates: the window point plus the
// scroll offsets.
void TableWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = TableAt(event->position().toPoint());
    PointerDown(session_.ctx, session_.play, ButtonOf(event->button()), KeysOf(*event), at.x(),
                at.y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = TableAt(event->position().toPoint());
    PointerMove(session_.ctx, session_.play, KeysOf(*event), at.x(), at.y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = TableAt(event->position().toPoint());
    PointerUp(session_.ctx, session_.play, ButtonOf(event->button()), at.x(), at.y());
}

// Qt reports a double click in place of the second press: the core wants
// the double click first, then that press.
void TableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PointerDoubleClick(session_.ctx, session_.play);
    mousePressEvent(event);
}

void TableWidget::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const bool sideways = (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier)) != 0;
    // Alt turns the wheel's delta sideways on some platforms.
    const int along = delta.y() != 0 ? delta.y() : delta.x();
    if (delta.x() != 0 && delta.y() == 0 && !sideways && Shown(horizontal_)) {
        Turn(horizontal_, delta.x());
    } else if ((sideways || !Shown(vertical_)) && Shown(horizontal_)) {
        Turn(horizontal_, along);
    } else if (Shown(vertical_)) {
        Turn(vertical_, along);
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace vis
