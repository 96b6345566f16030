; The Windows installer: for the current user, without administrator rights,
; into the user's own programs folder; a Start menu entry; an uninstaller
; registered under the installed apps, which removes what was installed.
; Made by tools/windows/package, which passes:
;   VERSION  the program's version       STAGE  the folder to install
;   OUTFILE  the installer to write      ICON   the program's .ico
;   FILES    an include file of the installed files: File, Delete and RMDir lines
;   SIZE_KB  the installed size
Unicode true
; A 64-bit installer: a 32-bit one does not run where only 64-bit Windows
; programs can, and still ends with success.
Target amd64-unicode
SetCompressor /SOLID lzma
; No file dates in the installer: the same stage gives the same bytes.
SetDateSave off
ManifestDPIAware true
RequestExecutionLevel user

!define APP "Ayat Explorer"
!define EXE "ayat-explorer.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\AyatExplorer"

Name "${APP}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} installer"
VIAddVersionKey /LANG=1033 "CompanyName" "The Ayat Explorer team"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 The Ayat Explorer team"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
    SetShellVarContext current
    !define INSTALL
    !include "${FILES}"
    !undef INSTALL
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Ayat Explorer team"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; Only what was installed is removed, file by file, then the folders that are
; left empty: a folder the user chose may hold files of their own.
Section Uninstall
    SetShellVarContext current
    Delete "$SMPROGRAMS\${APP}.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
