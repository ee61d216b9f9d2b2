; SPDX-FileCopyrightText: 2026 The Towers project
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The Windows installer: towers.exe into Program Files for every user of the
; machine, a Start-menu shortcut, and an uninstaller in Add/Remove Programs
; that takes all of it away again. /S installs or uninstalls silently.
;   makensis -DVERSION=1.0 -DPRODUCT=product.nsh -DEXE=towers.exe
;            -DICON=towers.ico -DOUTFILE=towers-1.0-setup.exe towers.nsi
; product.nsh defines NAME and PUBLISHER, the product's, from CMakeLists.txt.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"
!include "${PRODUCT}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\towers"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Towers"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow
; Two builds of one commit give the same installer.
SetDateSave off

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1026 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1026 "FileDescription" "${NAME}: инсталиране"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\towers.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

Function .onInit
    ; The program and its registration live in the 64-bit halves of the
    ; file system and the registry.
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section
    ; The shortcut is for every user of the machine.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=towers.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\towers.exe" "" "$INSTDIR\towers.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\towers.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NAME}.lnk"
    Delete "$INSTDIR\towers.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
