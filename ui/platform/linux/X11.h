#pragma once

#include <cstdint>
#include <vector>
#include <xcb/xcb.h>

class QWidget;

// The few X requests the window needs beyond Qt, over the connection Qt keeps.
namespace x11 {

// Qt's connection to the X server; null where the program runs on another window system.
[[nodiscard]] xcb_connection_t* connection();

[[nodiscard]] xcb_atom_t atom(xcb_connection_t* connection, const char* name);

[[nodiscard]] xcb_window_t windowId(QWidget& window);

// A property of 32-bit values, as the X server holds it; empty when it is not set.
[[nodiscard]] std::vector<std::uint32_t>
property32(xcb_connection_t* connection, xcb_window_t window, const char* name, xcb_atom_t type);

} // namespace x11
