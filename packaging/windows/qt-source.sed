# Changes made to Qt's source before it is built for the program.
#
# src/gui/text/windows/qwindowsfontdatabase.cpp: Qt lists a bitmap font's sizes by cell height,
# but asks GDI for a font by character height, the cell less its internal leading. "MS Sans
# Serif" at 8 points (cell 13 pixels, character 11) then comes out at 10 points. Listing the
# character height makes the two agree.
s/const int size = scalable ? SMOOTH_SCALABLE : textmetric->tmHeight;/const int size = scalable ? SMOOTH_SCALABLE : textmetric->tmHeight - textmetric->tmInternalLeading;/
#
# src/gui/text/windows/qwindowsfontengine.cpp: Qt takes a bitmap font to hold the characters
# between its first and last, compared as Unicode. A bitmap font covers a code page, and Wine
# reports that range in the code page: "MS Sans Serif" in Cyrillic, 0x20 to 0xFF. Qt then draws
# every Russian letter in a fallback font. GDI itself knows which characters the font maps.
/^int QWindowsFontEngine::getGlyphIndexes(/i\
static bool hasBitmapGlyph(HDC hdc, HFONT font, uint uc)\
{\
    const WCHAR c = WCHAR(uc);\
    WORD glyph = 0;\
    SelectObject(hdc, font);\
    return uc <= 0xffff && GetGlyphIndicesW(hdc, &c, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1\
        && glyph != 0xffff;\
}\

s/\(uc\|ucs4\) >= tm\.tmFirstChar && \1 <= tm\.tmLastChar/hasBitmapGlyph(m_fontEngineData->hdc, hfont, \1)/
