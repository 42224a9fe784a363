# Changes made to Qt's source before it is built for the program.
#
# src/gui/text/windows/qwindowsfontdatabase.cpp: Qt lists a bitmap font's sizes by cell height,
# but asks GDI for a font by character height, the cell less its internal leading. "MS Sans
# Serif" at 8 points (cell 13 pixels, character 11) then comes out at 10 points. Listing the
# character height makes the two agree.
s/const int size = scalable ? SMOOTH_SCALABLE : textmetric->tmHeight;/const int size = scalable ? SMOOTH_SCALABLE : textmetric->tmHeight - textmetric->tmInternalLeading;/
