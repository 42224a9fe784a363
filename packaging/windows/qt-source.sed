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
# every Russian letter in a fallback font. GDI draws such a font through its code page, so the
# character is in the font when it converts into that range. The conversion costs a few
# nanoseconds; asking GDI for the glyph costs a hundred times more, on every character laid out.
/^int QWindowsFontEngine::getGlyphIndexes(/i\
static bool hasBitmapGlyph(const TEXTMETRIC &tm, uint uc)\
{\
    CHARSETINFO charset;\
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD *>(quintptr(tm.tmCharSet)), &charset, TCI_SRCCHARSET))\
        return uc >= tm.tmFirstChar && uc <= tm.tmLastChar;\
    const WCHAR c = WCHAR(uc);\
    unsigned char byte = 0;\
    BOOL usedDefault = FALSE;\
    return uc <= 0xffff\
        && WideCharToMultiByte(charset.ciACP, WC_NO_BEST_FIT_CHARS, &c, 1, reinterpret_cast<char *>(&byte), 1, nullptr, &usedDefault) == 1\
        && !usedDefault && byte >= tm.tmFirstChar && byte <= tm.tmLastChar;\
}\

s/\(uc\|ucs4\) >= tm\.tmFirstChar && \1 <= tm\.tmLastChar/hasBitmapGlyph(tm, \1)/
#
# src/gui/rhi/qrhid3d12_p.h and qrhid3d12.cpp: Qt compiles its Direct3D 12 backend only where
# MinGW-w64's headers declare ID3D12Device2, which Debian 13's do and Debian 12's do not. Left
# out on both, the program is the same whichever builds it; widgets never draw through it.
s|^#ifdef __ID3D12Device2_INTERFACE_DEFINED__$|#if 0 // no Direct3D 12 backend|
#
# src/3rdparty/pcre2/CMakeLists.txt: the few patterns the program matches are too short to gain
# from a compiler of regular expressions into machine code, the largest part of PCRE2.
s/CONDITION QNX OR UIKIT$/CONDITION QNX OR UIKIT OR WIN32/
