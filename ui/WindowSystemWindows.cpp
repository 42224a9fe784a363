#include "WindowSystem.h"

#include <QMargins>
#include <QWidget>
#include <QWindow>

// Windows asks the program for its accessible objects whenever a screen reader starts.
void letScreenReadersStartLater() {}

// Windows takes the name and icon for the task bar from the program's own resources.
void tellDesktopEntry(QWidget& /*window*/) {}

// Windows has the described font.
void provideDescribedFont() {}

void keepOuterGeometry(QWidget& window, QRect outer)
{
    // Windows sizes the frame when the native window is made, so making it now tells the frame
    // before the first frame is shown; it changes only with the user's doing.
    window.winId();
    const QMargins frame = window.windowHandle()->frameMargins();
    window.setGeometry(
        QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), outer.size().shrunkBy(frame)));
}
