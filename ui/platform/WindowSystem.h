#pragma once

#include <QFont>
#include <QRect>

class QWidget;

// What the program needs from the platform's window system beyond what Qt asks of it. The build
// picks the file for the platform; where a platform needs nothing, it does nothing.

// Lets a screen reader started after the program hear it. Call before the application is made.
void letScreenReadersStartLater();

// Tells the desktop which menu entry the window belongs to, so that task bars and docks show the
// entry's name and icon for it. Call before the window is first shown.
void tellDesktopEntry(QWidget& window);

// Lets the family the window is described with stand for a font the system has, where the system
// lacks it. Call before the window is made.
void provideDescribedFont();

// Draws the controls as the system draws its own, in the system's colours, whatever version of
// the system runs and whichever mode its desktop is in. Call before the window is made.
void useSystemLook();

// The described font as the window's screen shows it sharply and whole, its line as high as the
// described one at the same pixel size. Call once the font has its size for the screen.
[[nodiscard]] QFont fontForScreen(const QFont& described, const QWidget& window);

// Keeps the window's outer rectangle, frame included, at the described one from the first frame
// shown until the user moves or resizes it. Call before the window is first shown.
void keepOuterGeometry(QWidget& window, QRect outer);

// The window's outer rectangle, frame included, as the window system places it.
[[nodiscard]] QRect outerGeometry(QWidget& window);
