#include "ToolTipTiming.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

ToolTipTiming::ToolTipTiming(QObject* parent)
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
