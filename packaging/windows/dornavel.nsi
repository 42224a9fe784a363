; The Windows installer: installs for the current user, without administrator rights, a Start
; menu entry and an uninstaller that Windows lists under Apps & features.
; makensis -DVERSION=… -DEXE=… -DLICENSE=… -DLICENSES=… -DICON=… -DOUTFILE=… dornavel.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; The files keep no build time, so that rebuilding a commit gives the same installer.
SetDateSave off
RequestExecutionLevel user

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dornavel"

Name "Dornavel"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Dornavel"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "Dornavel"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "Dornavel ${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) 2026 The Dornavel developers, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${EXE}"
    File /oname=LICENSE.txt "${LICENSE}"
    SetOutPath "$INSTDIR\licenses"
    File "${LICENSES}/*.txt"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Dornavel.lnk" "$INSTDIR\dornavel.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Dornavel"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Dornavel developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\dornavel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Dornavel.lnk"
    Delete "$INSTDIR\dornavel.exe"
    Delete "$INSTDIR\LICENSE.txt"
    RMDir /r "$INSTDIR\licenses"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The folders the installer may have made for the first per-user program, if now empty.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
