#include "ScrollLink.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <algorithm>

ScrollLink::ScrollLink(QAbstractScrollArea* first, QAbstractScrollArea* second, QObject* parent)
    : QObject(parent), bars_{first->verticalScrollBar(), second->verticalScrollBar()}
{
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        ownMaximum_[i] = bars_[i]->maximum();
        connect(bars_[i], &QScrollBar::rangeChanged, this,
                [this, i](int /*minimum*/, int maximum) { rangeChanged(i, maximum); });
        connect(bars_[i], &QScrollBar::valueChanged, this,
                [this, i](int value) { valueChanged(i, value); });
    }
}

void ScrollLink::rangeChanged(std::size_t which, int maximum)
{
    if (widening_) {
        return;
    }
    ownMaximum_[which] = maximum;
    const int shared = std::max(ownMaximum_[0], ownMaximum_[1]);
    widening_ = true;
    for (QScrollBar* bar : bars_) {
        bar->setMaximum(shared);
    }
    // A bar whose position the narrower range clamps reports its new value, and the other
    // follows it from there.
    widening_ = false;
}

void ScrollLink::valueChanged(std::size_t which, int value)
{
    bars_[1 - which]->setValue(value);
}
