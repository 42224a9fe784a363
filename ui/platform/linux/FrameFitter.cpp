#include "FrameFitter.h"

#include "FrameExtents.h"

#include <QEvent>
#include <QWidget>

FrameFitter::FrameFitter(QWidget* window, QRect outer)
    : QObject(window), window_(window), outer_(outer)
{
    window_->installEventFilter(this);
    askFrameExtents(*window_);
    followFrameExtents(*window_, this, [this] { fitIfTheFrameChanged(); });
    fitIfTheFrameChanged();
}

bool FrameFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || userTookOver_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::WindowActivate:
        fitIfTheFrameChanged();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (frame() != frame_) {
            fitIfTheFrameChanged();
        } else if (window_->size() != fitted_.size() ||
                   (programPlacesWindows() && window_->geometry().topLeft() != fitted_.topLeft())) {
            userTookOver_ = true;
        }
        break;
    case QEvent::WindowStateChange:
        userTookOver_ = window_->windowState() != Qt::WindowNoState;
        break;
    default:
        break;
    }
    return false;
}

QMargins FrameFitter::frame() const
{
    return frameExtents(*window_);
}

void FrameFitter::fitIfTheFrameChanged()
{
    const QMargins frame = this->frame();
    if (fitted_.isValid() && frame == frame_) {
        return;
    }
    frame_ = frame;
    // Placed by the client area rather than by the frame: window managers differ in where they
    // put a frame asked for by its own top-left, but not in where they put a client area.
    fitted_ =
        QRect(outer_.topLeft() + QPoint(frame.left(), frame.top()), outer_.size().shrunkBy(frame));
    window_->setGeometry(fitted_);
}
