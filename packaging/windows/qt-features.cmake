# The Qt that the Windows program is linked with: static, so that the program is one file that
# needs nothing installed beside it, and no larger than the window needs.
set(BUILD_SHARED_LIBS OFF CACHE BOOL "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(QT_BUILD_EXAMPLES OFF CACHE BOOL "")
set(QT_BUILD_TESTS OFF CACHE BOOL "")
set(QT_BUILD_BENCHMARKS OFF CACHE BOOL "")
set(QT_GENERATE_SBOM OFF CACHE BOOL "")
# Unused code goes at link time: each function in a section of its own.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "")

foreach(feature
        # Modules the program does not use.
        network sql dbus opengl dynamicgl vulkan printsupport xml concurrent sessionmanager
        # Debian's source leaves out the tablet header that this needs.
        tabletevent
        # Image and text formats nothing here reads or writes.
        jpeg gif ico imageformat_bmp imageformat_ppm imageformat_xbm
        textodfwriter textmarkdownreader textmarkdownwriter
        # Fonts and drawing through GDI, which also lists the bitmap fonts, "MS Sans Serif"
        # among them, that DirectWrite leaves out.
        direct2d directwrite3 freetype
        # Built by the host's Qt already.
        qmake)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
