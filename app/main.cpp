#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(TForm1::applicationTitle());
    TForm1 window;
    QApplication::setWindowIcon(window.windowIcon());
    window.show();
    // Without a window manager nothing else would give the new window the keyboard.
    window.activateWindow();
    QApplication::exec();
    return 0;
}
