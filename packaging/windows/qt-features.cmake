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
        # Built by the host's Qt already.
        qmake)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()

# The program lists its fonts through GDI, which also knows the bitmap fonts, "MS Sans Serif"
# among them, that DirectWrite leaves out. Qt before 6.8 would build its DirectWrite 3 font
# database on FreeType, and draws without Direct2D, so all three stay out; from 6.8 on that
# database is Qt's own default and needs Direct2D's font loader, and Qt builds only with them.
if(QT_SOURCE_VERSION VERSION_LESS 6.8)
    set(FEATURE_directwrite3 OFF CACHE BOOL "")
    set(FEATURE_freetype OFF CACHE BOOL "")
    set(FEATURE_direct2d OFF CACHE BOOL "")
endif()
