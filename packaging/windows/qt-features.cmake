# The Qt that the Windows program is linked with: one file that needs nothing installed beside
# it, and no larger than the window needs.
include(${CMAKE_CURRENT_LIST_DIR}/qt-static.cmake)
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
        # Built by the host's Qt already.
        qmake
        # Debian 12's MinGW compiler fails on it (an internal error in its SEH unwind code), and
        # Windows needs none: its compilers probe every large stack frame page by page anyway.
        stack_clash_protection)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# The program lists its fonts through GDI, which also knows the bitmap fonts, "MS Sans Serif"
# among them, that DirectWrite leaves out. Qt's DirectWrite font database and Direct2D stay in
# all the same: Qt 6.8 builds for Windows only with them.
