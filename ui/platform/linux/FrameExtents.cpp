#include "FrameExtents.h"

#include "WaylandShadow.h"
#include "X11.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The window's _NET_FRAME_EXTENTS (left, right, top, bottom), once the window manager set it.
[[nodiscard]] std::optional<QMargins> readFrameExtents(xcb_connection_t* connection,
                                                       xcb_window_t window)
{
    const std::vector<std::uint32_t> sides =
        x11::property32(connection, window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
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
        x11::property32(connection, root, "_NET_SUPPORTED", XCB_ATOM_ATOM);
    return std::ranges::find(supported, x11::atom(connection, "_NET_REQUEST_FRAME_EXTENTS")) !=
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
    return x11::connection() != nullptr;
}

void askFrameExtents(QWidget& window)
{
    xcb_connection_t* connection = x11::connection();
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
    request.window = x11::windowId(window);
    request.type = x11::atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
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
    if (xcb_connection_t* connection = x11::connection()) {
        return readFrameExtents(connection, x11::windowId(window)).value_or(QMargins{});
    }
    // Elsewhere the frame is Qt's own, drawn around the window on Wayland, and Qt knows it; but
    // Qt counts a decoration's shadow in, which lies outside the window a user sees.
    const QWindow* platformWindow = window.windowHandle();
    return platformWindow != nullptr
               ? platformWindow->frameMargins() - decorationShadow(*platformWindow)
               : QMargins{};
}

void followFrameExtents(QWidget& window, QObject* context, std::function<void()> changed)
{
    xcb_connection_t* connection = x11::connection();
    if (connection == nullptr) {
        return;
    }
    new FrameExtentsWatch(x11::windowId(window), x11::atom(connection, "_NET_FRAME_EXTENTS"),
                          context, std::move(changed));
}
