#include "MenuAltGuard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

[[nodiscard]] bool isAlt(const QEvent* event)
{
    return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Alt;
}

} // namespace

MenuAltGuard::MenuAltGuard(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool MenuAltGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Qt asks about shortcuts the moment a key goes down, before anything holds it back.
        if (event->spontaneous() && isAlt(event)) {
            menuOpenedSinceAltWentDown_ = false;
        }
        break;
    case QEvent::Show:
        if (qobject_cast<QMenu*>(watched) != nullptr) {
            menuOpenedSinceAltWentDown_ = true;
        }
        break;
    case QEvent::KeyPress:
        if (menuOpenedSinceAltWentDown_ && isAlt(event) &&
            qobject_cast<QMenu*>(watched) != nullptr) {
            menuOpenedSinceAltWentDown_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
