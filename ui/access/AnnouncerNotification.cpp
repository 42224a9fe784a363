#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

QAccessibleInterface* asNotification(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcer") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(asNotification);
        return true;
    }();
    Q_UNUSED(installed)
    hide();
}

void Announcer::announce(const QString& message)
{
    // The widget itself stays hidden: only the screen reader is told that it came into view.
    setAccessibleName(message);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
