# The Qt that the Windows program is linked with: one file that needs nothing installed beside
# it, and no larger than the window needs.
include(${CMAKE_CURRENT_LIST_DIR}/qt-static.cmake)
# Small rather than fast: nothing the window does waits on Qt's speed. Unused code goes at link
# time, each function in a section of its own. Qt compiles its Core and Gui at -O3 unless it is
# told to optimise for size.
set(FEATURE_optimize_size ON CACHE BOOL "")
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG -ffunction-sections -fdata-sections" CACHE STRING "")
# Qt finds its folder at run time, so the folder it was built into is not written into it.
set(FEATURE_relocatable ON CACHE BOOL "")

# Qt's styles and accessibility name every widget class they know, which links each one that is
# compiled in. So what the window, its message box and the tests do not show is not compiled.
foreach(feature
        # Modules the program does not use.
        network sql dbus opengl dynamicgl vulkan printsupport xml concurrent sessionmanager
        # Debian's source leaves out the tablet header that this needs.
        tabletevent
        # Image and text formats nothing here reads or writes.
        jpeg gif ico imageformat_bmp imageformat_ppm imageformat_xbm movie pdf
        image_heuristic_mask image_text textodfwriter textmarkdownreader textmarkdownwriter
        # Services of Qt Core that nothing here calls.
        mimetype process sharedmemory systemsemaphore filesystemwatcher gestures
        # Widgets the window never shows, and what only they use. The Vista and Windows 11 style
        # names many more (combo and spin boxes, item and graphics views, text editors, docks,
        # the style sheet),
        # and builds only with them.
        statusbar toolbox splitter splashscreen wizard calendarwidget datetimeedit dial lcdnumber
        keysequenceedit fontcombobox textbrowser syntaxhighlighter completer columnview
        listwidget tablewidget treewidget datawidgetmapper undocommand undostack undogroup
        undoview filesystemmodel colordialog fontdialog filedialog errormessage progressdialog
        style_fusion
        # Windows draws text through GDI and DirectWrite; FreeType would be a third engine.
        freetype
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
