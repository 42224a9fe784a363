#pragma once

class QWidget;

// Tells the desktop which menu entry a top-level window belongs to, so that task bars and docks
// show the entry's name and icon for it. On Wayland Qt already sends the entry's id
// (QGuiApplication::desktopFileName) as the window's app id; on X the desktops read it from
// window properties that Qt does not set. Call before the window is first shown. The build picks
// the file for the platform; where nothing needs saying, it does nothing.
void tellDesktopEntry(QWidget& window);
