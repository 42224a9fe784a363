#pragma once

#include <QMargins>
#include <functional>

class QObject;
class QWidget;

// What a top-level window needs from the desktop's window system beyond what Qt asks of it.
// The build picks the file for the platform; where a platform needs nothing, it does nothing.

// Tells the desktop which menu entry the window belongs to, so that task bars and docks show the
// entry's name and icon for it. On Wayland Qt already sends the entry's id
// (QGuiApplication::desktopFileName) as the window's app id; on X the desktops read it from
// window properties that Qt does not set. Call before the window is first shown.
void tellDesktopEntry(QWidget& window);

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
