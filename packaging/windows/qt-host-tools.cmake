# Qt's own build tools (moc, rcc, uic and the rest) for the machine that builds, from the source
# of the Qt for Windows, where the Debian that builds ships another Qt version. They need only
# Qt Core; static, they run from wherever the cache is.
include(${CMAKE_CURRENT_LIST_DIR}/qt-static.cmake)
foreach(feature gui widgets network sql testlib xml dbus concurrent printsupport opengl
                icu glib qmake)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
