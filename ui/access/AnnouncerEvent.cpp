#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleAnnouncementEvent>

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    hide();
}

void Announcer::announce(const QString& message)
{
    // Polite by default: spoken after whatever the screen reader is saying, not over it.
    QAccessibleAnnouncementEvent event(parentWidget(), message);
    QAccessible::updateAccessibility(&event);
}
