#include "Unit1.h"

#include <QApplication>

namespace {

void joinAccessibilityBusEvenBeforeAScreenReader()
{
    // Qt before 6.8 asks only once, at start, whether a screen reader listens, so a reader
    // started later would never hear the program. Joining the accessibility bus always lets it.
    if (QT_VERSION < QT_VERSION_CHECK(6, 8, 0) &&
        !qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
}

} // namespace

int main(int argc, char* argv[])
{
    joinAccessibilityBusEvenBeforeAScreenReader();
    // The menu bar belongs in the window. Saying so before any is made also spares the
    // start-up a search of the session bus for a global menu service.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(TForm1::applicationTitle());
    // The menu entry's id: a Wayland compositor finds the program's name and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("org.dornavel.Dornavel"));
    TForm1 window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    // Without a window manager nothing else would give the new window the keyboard.
    window.activateWindow();
    QApplication::exec();
    return 0;
}
