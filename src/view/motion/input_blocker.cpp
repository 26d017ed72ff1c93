#include "view/motion/input_blocker.h"

#include <QCoreApplication>
#include <QEvent>

namespace vis {

bool IsPlayerInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
            return true;
        default:
            return false;
    }
}

void InputBlocker::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (active)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
    if (!IsPlayerInput(*event)) return QObject::eventFilter(watched, event);
    // Presses resume a pause; the release that follows is eaten with it. A
    // key that is a menu shortcut arrives as a shortcut, never as a press.
    const bool trigger = event->type() == QEvent::MouseButtonPress ||
                         event->type() == QEvent::NonClientAreaMouseButtonPress ||
                         event->type() == QEvent::KeyPress || event->type() == QEvent::Shortcut;
    if (trigger && onInput_) onInput_();
    return true;
}

}  // namespace vis
