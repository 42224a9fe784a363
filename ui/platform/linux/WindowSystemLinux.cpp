#include "FrameExtents.h"
#include "FrameFitter.h"
#include "platform/WindowSystem.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QFont>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>
#include <xcb/xcb.h>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

[[nodiscard]] xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

[[nodiscard]] xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply{
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free};
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

[[nodiscard]] xcb_window_t handle(QWidget& window)
{
    return static_cast<xcb_window_t>(window.winId());
}

// A property of 32-bit values, as the X server holds it; empty when it is not set.
[[nodiscard]] std::vector<std::uint32_t>
property32(xcb_connection_t* connection, xcb_window_t window, const char* name, xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply{
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, atom(connection, name), type, 0, 1024),
            nullptr),
        &std::free};
    if (!reply || reply->format != 32) {
        return {};
    }
    const std::span values{static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())),
                           static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) /
                               sizeof(std::uint32_t)};
    return {values.begin(), values.end()};
}

// The window's _NET_FRAME_EXTENTS (left, right, top, bottom), once the window manager set it.
[[nodiscard]] std::optional<QMargins> readFrameExtents(xcb_connection_t* connection,
                                                       xcb_window_t window)
{
    const std::vector<std::uint32_t> sides =
        property32(connection, window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    if (sides.size() != 4) {
        return std::nullopt;
    }
    return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                    static_cast<int>(sides[1]), static_cast<int>(sides[3]));
}

// Whether a window manager runs that answers _NET_REQUEST_FRAME_EXTENTS.
[[nodiscard]] bool windowManagerTellsFrames(xcb_connection_t* connection, xcb_window_t root)
{
    const std::vector<std::uint32_t> supported =
        property32(connection, root, "_NET_SUPPORTED", XCB_ATOM_ATOM);
    return std::ranges::find(supported, atom(connection, "_NET_REQUEST_FRAME_EXTENTS")) !=
           supported.end();
}

// Hears of changes to the window's _NET_FRAME_EXTENTS and reports them from the event loop.
class FrameExtentsWatch : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameExtentsWatch(xcb_window_t window, xcb_atom_t extents, QObject* context,
                      std::function<void()> changed)
        : QObject(context), window_(window), extents_(extents), changed_(std::move(changed))
    {
        qGuiApp->installNativeEventFilter(this);
    }
    ~FrameExtentsWatch() override { qGuiApp->removeNativeEventFilter(this); }
    Q_DISABLE_COPY_MOVE(FrameExtentsWatch)

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) override
    {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7fU) == XCB_PROPERTY_NOTIFY) {
            const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
            if (notify->window == window_ && notify->atom == extents_) {
                QTimer::singleShot(0, this, changed_);
            }
        }
        return false;
    }

private:
    xcb_window_t window_;
    xcb_atom_t extents_;
    std::function<void()> changed_;
};

} // namespace

bool programPlacesWindows()
{
    return x11Connection() != nullptr;
}

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
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return;
    }
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    // KWin reads the first, GNOME Shell the second.
    for (const char* property : {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"}) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, handle(window),
                            atom(connection, property), utf8, 8,
                            static_cast<std::uint32_t>(id.size()), id.constData());
    }
    xcb_flush(connection);
}

void askFrameExtents(QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!windowManagerTellsFrames(connection, screen->root)) {
        return;
    }
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = handle(window);
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): xcb's own form
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
    // A window manager answers within a few milliseconds.
    const QDeadlineTimer deadline(200);
    while (!readFrameExtents(connection, request.window) && !deadline.hasExpired()) {
        QThread::msleep(5);
    }
}

QMargins frameExtents(QWidget& window)
{
    if (xcb_connection_t* connection = x11Connection()) {
        return readFrameExtents(connection, handle(window)).value_or(QMargins{});
    }
    // Elsewhere the frame is Qt's own, drawn around the window on Wayland, and Qt knows it.
    const QWindow* platformWindow = window.windowHandle();
    return platformWindow != nullptr ? platformWindow->frameMargins() : QMargins{};
}

void followFrameExtents(QWidget& window, QObject* context, std::function<void()> changed)
{
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return;
    }
    new FrameExtentsWatch(handle(window), atom(connection, "_NET_FRAME_EXTENTS"), context,
                          std::move(changed));
}

void provideDescribedFont()
{
    // The description names a family that Debian does not ship. DejaVu Sans Condensed at 11
    // pixels has the same 13-pixel line and nearly the same widths, so the geometry holds.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                              QStringLiteral("DejaVu Sans Condensed"));
}

void keepOuterGeometry(QWidget& window, QRect outer)
{
    new FrameFitter(&window, outer);
}

QRect outerGeometry(QWidget& window)
{
    return window.frameGeometry();
}
