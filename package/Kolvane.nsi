; The Windows installer of Kolvane-Verwaltung: a per-user installation that
; needs no administrator rights. Built by scripts/package.sh, which passes
;   VERSION   the version as users see it ("2.10.0")
;   VERSION4  the same with four numbers, for the installer's version resource
;   COPYRIGHT the program's copyright line
;   STAGE     the folder holding Kolvane.exe, help\ and LIESMICH.txt
;   ICON      the program icon
;   OUTFILE   the installer to write
; so that no version number is written down here.

Unicode true
; The program is 64-bit; so is the installer, and it runs under 64-bit Wine
; without the 32-bit half.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define APP "Kolvane-Verwaltung"
!define PUBLISHER "Kolvane-Projekt"
!define EXE "Kolvane.exe"
!define UNINSTALLER "Uninstall.exe"
!define README "LIESMICH.txt"
!define CLASSES "Software\Classes"
!define PROGID "Kolvane.Datei"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
; An earlier installation is replaced where it is.
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "${APP} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${README}"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${COPYRIGHT}"

; The program starts in the user's documents, as from the shortcut: its
; first file dialog opens in its current folder, and collections belong
; there, not beside the program.
Function StartProgram
    SetOutPath "$DOCUMENTS"
    Exec '"$INSTDIR\${EXE}"'
FunctionEnd

; An installation in another folder is removed by its own uninstaller; in
; place, the old help pages go so that none of them is left over.
Function RemovePrevious
    ReadRegStr $0 HKCU "${UNINST_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 != $INSTDIR
    ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
        ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
        Delete "$0\${UNINSTALLER}"
        RMDir "$0"
    ${EndIf}
    RMDir /r "$INSTDIR\help"
FunctionEnd

Section
    Call RemovePrevious

    SetOutPath "$INSTDIR"
    File "${STAGE}\${EXE}"
    File "${STAGE}\${README}"
    SetOutPath "$INSTDIR\help"
    File /r "${STAGE}\help\*.*"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The shortcut starts the program in the user's documents (StartProgram).
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
    SetOutPath "$INSTDIR"

    ; The .kvd file type, for this user: a double click opens the collection.
    WriteRegStr HKCU "${CLASSES}\.kvd" "" "${PROGID}"
    WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "Kolvane-Datei"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put there and nothing else: the user's settings
; (HKCU\Software\ZulApps) and collections stay, and so does the folder when
; the user kept files of his own in it.
Section "Uninstall"
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\${README}"
    RMDir /r "$INSTDIR\help"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${APP}.lnk"

    DeleteRegKey HKCU "${CLASSES}\${PROGID}"
    ; The extension only while it still names our type: another program
    ; may have taken it over since.
    ReadRegStr $0 HKCU "${CLASSES}\.kvd" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue HKCU "${CLASSES}\.kvd" ""
        DeleteRegKey /ifempty HKCU "${CLASSES}\.kvd"
    ${EndIf}
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'

    DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
