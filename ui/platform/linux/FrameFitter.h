#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

class QWidget;

// Keeps a window's outer size, frame included, at the size it is described with, and where the
// platform lets a program place its window, the frame's top-left at the described place. A
// window manager tells how wide its frame is when it pleases: when asked before the window maps,
// after it maps, even after the window has been activated, or never. So the fitter fits whenever
// the frame changes, sizes from the outer size and never from the current one, so that no frame
// is taken off twice, and leaves the window alone once the user has moved, resized, maximised or
// minimised it.
class FrameFitter : public QObject
{
    Q_OBJECT

public:
    FrameFitter(QWidget* window, QRect outer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitIfTheFrameChanged();
    [[nodiscard]] QMargins frame() const;

    QWidget* window_;
    QRect outer_;
    bool userTookOver_ = false;
    QMargins frame_;
    // The client area's geometry as last fitted; invalid before the first fit.
    QRect fitted_;
};
