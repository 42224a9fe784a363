#pragma once

#include <QMargins>

class QWindow;

// How far the frame that Qt draws around a window on Wayland reaches beyond the window itself:
// the shadow that some of Qt's decorations cast, such as the Adwaita one it draws on GNOME from
// Qt 6.8 on. The compositor places and shows the window without it. Zero where there is none.
[[nodiscard]] QMargins decorationShadow(const QWindow& window);
