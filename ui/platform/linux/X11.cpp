#include "X11.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

namespace x11 {

xcb_connection_t* connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply{
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free};
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t windowId(QWidget& window)
{
    return static_cast<xcb_window_t>(window.winId());
}

std::vector<std::uint32_t> property32(xcb_connection_t* connection, xcb_window_t window,
                                      const char* name, xcb_atom_t type)
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

} // namespace x11
