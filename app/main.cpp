#include "Unit1.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <cstdlib>

namespace {

// Whether ending the process may skip Qt's teardown. The program keeps nothing, so only the
// desktop could miss it: on X the teardown hands a copied nickname to the clipboard manager, but
// a Wayland clipboard leaves with its client in any case. There the teardown can even hang: Qt
// 6.4's Wayland client, stopping its event threads, can wait forever for one that is blocked in
// wl_display_read_events on a read that another thread prepared and never finished.
[[nodiscard]] bool teardownServesNothing()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

int main(int argc, char* argv[])
{
    letScreenReadersStartLater();
    // The menu bar belongs in the window. Saying so before any is made also spares the
    // start-up a search of the session bus for a global menu service.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(TForm1::applicationTitle());
    // The menu entry's id: a Wayland compositor finds the program's name and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("org.dornavel.Dornavel"));
    TForm1 window;
    QApplication::setWindowIcon(window.windowIcon());
    tellDesktopEntry(window);
    window.show();
    // Without a window manager nothing else would give the new window the keyboard.
    window.activateWindow();
    QApplication::exec();
    if (teardownServesNothing()) {
        std::exit(EXIT_SUCCESS);
    }
    return EXIT_SUCCESS;
}
