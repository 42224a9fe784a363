#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
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
