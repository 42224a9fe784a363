#include "FrameExtents.h"
#include "FrameFitter.h"
#include "X11.h"
#include "platform/WindowSystem.h"

#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QWidget>
#include <cstdint>

void letScreenReadersStartLater()
{
    // Qt before 6.8 asks only once, at start, whether a screen reader listens, so a reader
    // started later would never hear the program. Joining the accessibility bus always lets it.
    if (QT_VERSION < QT_VERSION_CHECK(6, 8, 0) &&
        !qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
}

// On Wayland Qt already sends the entry's id (QGuiApplication::desktopFileName) as the window's
// app id; on X the desktops read it from window properties that Qt does not set.
void tellDesktopEntry(QWidget& window)
{
    xcb_connection_t* connection = x11::connection();
    if (connection == nullptr) {
        return;
    }
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    const xcb_atom_t utf8 = x11::atom(connection, "UTF8_STRING");
    // KWin reads the first, GNOME Shell the second.
    for (const char* property : {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"}) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, x11::windowId(window),
                            x11::atom(connection, property), utf8, 8,
                            static_cast<std::uint32_t>(id.size()), id.constData());
    }
    xcb_flush(connection);
}

void provideDescribedFont()
{
    // The description names a family that Debian does not ship. DejaVu Sans Condensed at 11
    // pixels has the same 13-pixel line and nearly the same widths, so the geometry holds.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
}

// Qt already takes the style and colours of the desktop it runs on.
void useSystemLook() {}

// The substitute is scalable and holds every letter the window shows.
QFont fontForScreen(const QFont& described, const QWidget& /*window*/)
{
    return described;
}

void keepOuterGeometry(QWidget& window, QRect outer)
{
    new FrameFitter(&window, outer);
}

QRect outerGeometry(QWidget& window)
{
    return window.geometry().marginsAdded(frameExtents(window));
}
