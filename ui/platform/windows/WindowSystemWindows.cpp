#include "Scaling.h"
#include "platform/WindowSystem.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMargins>
#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <windows.h>

namespace {

[[nodiscard]] HWND handle(QWidget& window)
{
    return reinterpret_cast<HWND>(window.winId());
}

// Windows places and sizes a window by its window rectangle, frame included, in device pixels;
// Qt by its client area, in pixels of its own.
[[nodiscard]] QRect fromDevicePixels(const RECT& rect, qreal ratio)
{
    return QRect(QPoint(qRound(rect.left / ratio), qRound(rect.top / ratio)),
                 QPoint(qRound(rect.right / ratio) - 1, qRound(rect.bottom / ratio) - 1));
}

// The frame Windows draws around a window of this style; known as soon as the window is made.
[[nodiscard]] QMargins frameAround(QWidget& window)
{
    RECT frame{};
    AdjustWindowRectExForDpi(
        &frame, static_cast<DWORD>(GetWindowLongPtrW(handle(window), GWL_STYLE)), FALSE,
        static_cast<DWORD>(GetWindowLongPtrW(handle(window), GWL_EXSTYLE)),
        GetDpiForWindow(handle(window)));
    const QRect client = fromDevicePixels(frame, window.devicePixelRatioF());
    return {-client.left(), -client.top(), client.right() + 1, client.bottom() + 1};
}

// Qt takes its platform options when the application is made, so they are set before main:
// every program that shows the window gets them, tests included.
// - Qt lists fonts through DirectWrite from 6.8 on, and DirectWrite leaves out bitmap fonts such
//   as the described "MS Sans Serif"; GDI lists them.
// - In dark mode Qt would paint its own dark palette and frame. The common controls of Windows
//   keep the system colours in either mode, and so does the window, even when the user switches
//   mode while it runs.
const bool platformOptionsSet = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:nodirectwrite:darkmode=0");
    }
    return true;
}();

} // namespace

// Windows asks the program for its accessible objects whenever a screen reader starts.
void letScreenReadersStartLater() {}

// Windows takes the name and icon for the task bar from the program's own resources.
void tellDesktopEntry(QWidget& /*window*/) {}

// Windows has the described font.
void provideDescribedFont() {}

void useSystemLook()
{
    // From Windows 11 on Qt would pick a style that draws controls its own way: a menu bar
    // 14 pixels taller, which pushes every control below its described place, an underlined
    // entry and near-white lists. Its Vista style draws them through the system's visual styles.
    const QString vista = QStringLiteral("windowsvista");
    if (QApplication::style()->name().compare(vista, Qt::CaseInsensitive) != 0) {
        QApplication::setStyle(vista);
    }
}

QFont fontForScreen(const QFont& described, const QWidget& window)
{
    // The scalable face of the described design: Windows' own, or Wine's stand-in for it.
    const QStringList scalable{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma")};
    QFont font = described;
    if (window.devicePixelRatioF() == 1.0) {
        // The bitmap face is drawn as it was made. Where it lacks a letter, as a Western
        // Windows' lacks Cyrillic, the scalable face draws it rather than a serif fallback.
        font.setFamilies(QStringList{described.family()} + scalable);
        return font;
    }
    // Qt draws a bitmap face at any other density as squares of its pixels, so there the scalable
    // face takes over, at the largest size whose line is no higher than the described one.
    font.setFamilies(scalable);
    while (font.pixelSize() > 1 && QFontMetrics(font).height() > scaling::designLineHeight) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void keepOuterGeometry(QWidget& window, QRect outer)
{
    // The frame changes only with the user's doing, so one fit before the window shows holds.
    window.setGeometry(outer - frameAround(window));
}

QRect outerGeometry(QWidget& window)
{
    RECT rect{};
    GetWindowRect(handle(window), &rect);
    return fromDevicePixels(rect, window.devicePixelRatioF());
}
