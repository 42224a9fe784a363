#pragma once

#include <QMargins>
#include <functional>

class QObject;
class QWidget;

// What a window manager on the Linux desktop tells about the frame it draws, and when: X window
// managers tell it in their own time, a Wayland compositor lets Qt draw the frame.

// Whether a program can place its own windows on the screen; Wayland leaves that to the compositor.
[[nodiscard]] bool programPlacesWindows();

// Asks the window manager, before the window is first shown, how wide a frame it will draw, and
// waits a moment for the answer, so that the frame can be fitted before the first frame is seen.
void askFrameExtents(QWidget& window);

// How wide the frame around the window is, as the window system last said; zero when there is
// none or nothing has been said yet.
[[nodiscard]] QMargins frameExtents(QWidget& window);

// Calls changed, from the event loop, whenever the window manager says anew how wide the frame
// is. Qt passes such news on to the window only with the next move or resize, and a window
// manager may send none after it.
void followFrameExtents(QWidget& window, QObject* context, std::function<void()> changed);
