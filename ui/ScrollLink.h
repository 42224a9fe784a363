#pragma once

#include <QObject>
#include <array>
#include <cstddef>

class QAbstractScrollArea;
class QScrollBar;

// Keeps two views scrolled to the same vertical position, so that the rows on screen side by
// side are always the rows that belong together. Each bar's range is widened to the larger of
// the two, so that the shorter view can follow the longer one to its very end. Works in pixels:
// the views should scroll per pixel, since per-item views cannot scroll past their last item.
class ScrollLink : public QObject
{
    Q_OBJECT

public:
    ScrollLink(QAbstractScrollArea* first, QAbstractScrollArea* second, QObject* parent);

private:
    void rangeChanged(std::size_t which, int maximum);
    void valueChanged(std::size_t which, int value);

    std::array<QScrollBar*, 2> bars_{};
    // The maximum each view wants for itself, before widening.
    std::array<int, 2> ownMaximum_{};
    bool widening_ = false;
};
