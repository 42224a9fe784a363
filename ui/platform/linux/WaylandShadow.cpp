#include "WaylandShadow.h"

#include <QGuiApplication>
#include <QObject>
#include <QWindow>
#include <dlfcn.h>
#include <qpa/qplatformwindow.h>

namespace {

// The shadow is known only to the window class of Qt's Wayland client library, which Qt does not
// publish: it is the part of the window's surface outside the geometry that Qt hands the
// compositor. So the member that tells it is looked up by name, in the library the Wayland
// platform plugin has loaded; a Qt without it draws no shadow.
using ContentMargins = QMargins (*)(const void* waylandWindow);

[[nodiscard]] ContentMargins contentMarginsOfQtWindows()
{
    void* library = dlopen("libQt6WaylandClient.so.6", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return nullptr;
    }
    // QMargins QtWaylandClient::QWaylandWindow::windowContentMargins() const
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): how dlsym hands out functions
    return reinterpret_cast<ContentMargins>(
        dlsym(library, "_ZNK15QtWaylandClient14QWaylandWindow20windowContentMarginsEv"));
}

} // namespace

QMargins decorationShadow(const QWindow& window)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
        window.handle() == nullptr) {
        return {};
    }
    static const ContentMargins contentMargins = contentMarginsOfQtWindows();
    if (contentMargins == nullptr) {
        return {};
    }
    // The platform window is a QObject first, in every Qt that has the member above.
    const auto* platformWindow =
        static_cast<const QObject*>(dynamic_cast<const void*>(window.handle()));
    if (!platformWindow->inherits("QtWaylandClient::QWaylandWindow")) {
        return {};
    }
    return contentMargins(platformWindow);
}
