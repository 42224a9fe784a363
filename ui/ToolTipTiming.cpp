#include "ToolTipTiming.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

// Wrapping the application's style by its name: a proxy made without one wraps the style of
// the desktop, which is not the window's where the program picks another, as on Windows 11.
ToolTipTiming::ToolTipTiming(QObject* parent) : QProxyStyle(QApplication::style()->name())
{
    // QProxyStyle has no constructor that takes a parent; the owner releases it.
    setParent(parent);
}

void ToolTipTiming::apply(QWidget* widget)
{
    widget->setStyle(this);
    widget->installEventFilter(this);
}

int ToolTipTiming::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay) {
        return wakeUpDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

bool ToolTipTiming::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip) {
        return QProxyStyle::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->toolTip().isEmpty()) {
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, displayTimeMs);
    return true;
}
