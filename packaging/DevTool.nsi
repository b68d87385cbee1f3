; The installer of the device tool, built by scripts/release.sh with makensis:
;   makensis -DVERSION=2.18 -DTARGET=x86-unicode -DSTAGE=<staged release folder>
;            -DLISTS=<folder of install-files.nsh and uninstall-files.nsh> -DOUTFILE=<setup.exe>
;            packaging/DevTool.nsi
; It installs for the current user (the default) or for all users (/CurrentUser, /AllUsers on
; the command line, or the first page). Our project2.dll is installed only into a folder that
; holds none yet, because a site's vendor library must never be replaced. The uninstaller
; removes the files it installed, one by one, and leaves everything else: a project2.dll it did
; not install, the record folder db, the library's state file.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DevTool"

Name "设备调试工具 DevTool ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "DevTool ${VERSION}"

; Per user by default: the program writes its record files (db) and the emulator its state file
; beside itself, which an ordinary user can do only in a folder of their own.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "DevTool"
!define MULTIUSER_MUI
; The uninstaller finds its mode itself (un.onInit).
!define MULTIUSER_NOUNINSTALL
!if "${TARGET}" == "amd64-unicode"
    !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\DevTool.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "DevTool"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "DevTool ${VERSION} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "DevTool"

Var OurLibrary ; "1" when the project2.dll of this folder is the one this installer put there

; The size and version of a project2.dll, "size:major.minor" (empty when there is none): what the
; installer records of our library, and what the uninstaller compares before removing one.
!macro LibraryIdentity FILE RESULT
    ; $R6-$R8 are scratch registers of this macro; RESULT is none of them.
    StrCpy ${RESULT} ""
    ${If} ${FileExists} "${FILE}"
        FileOpen $R6 "${FILE}" r
        FileSeek $R6 0 END $R7
        FileClose $R6
        GetDLLVersion "${FILE}" $R6 $R8
        StrCpy ${RESULT} "$R7:$R6.$R8"
    ${EndIf}
!macroend

Function .onInit
    ; MultiUser sets its own default folder; a folder given with /D= wins over it.
    StrCpy $R9 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $R9 != ""
        StrCpy $INSTDIR $R9
    ${EndIf}
FunctionEnd

Function un.onInit
    ; The uninstaller runs in the mode the installer used: the all-users record names this folder.
    ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

Section "DevTool" SecMain
    SectionIn RO
    ; A project2.dll already in the folder stays: a site's vendor library, or ours from an
    ; earlier installation, which is replaced only when it is still exactly what we put there.
    StrCpy $OurLibrary "1"
    ${If} ${FileExists} "$INSTDIR\project2.dll"
        ReadRegStr $0 SHCTX "${UNINST_KEY}" "Project2Identity"
        !insertmacro LibraryIdentity "$INSTDIR\project2.dll" $1
        ${If} $0 == ""
        ${OrIf} $0 != $1
            StrCpy $OurLibrary "0"
        ${EndIf}
    ${EndIf}

    !include "${LISTS}/install-files.nsh"
    SetOutPath "$INSTDIR"
    ${If} $OurLibrary == "1"
        File "${STAGE}/project2.dll"
    ${EndIf}
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "$SMPROGRAMS\DevTool"
    CreateShortcut "$SMPROGRAMS\DevTool\设备调试工具 DevTool.lnk" "$INSTDIR\DevTool.exe"
    CreateShortcut "$SMPROGRAMS\DevTool\DevTool version and library.lnk" "$INSTDIR\DevTool.exe" "/version"
    CreateShortcut "$SMPROGRAMS\DevTool\README.lnk" "$INSTDIR\README.txt"
    CreateShortcut "$SMPROGRAMS\DevTool\Uninstall DevTool.lnk" "$INSTDIR\Uninstall.exe"

    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "设备调试工具 DevTool ${VERSION}"
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\DevTool.exe"
    WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
    ${If} $OurLibrary == "1"
        !insertmacro LibraryIdentity "$INSTDIR\project2.dll" $0
        WriteRegStr SHCTX "${UNINST_KEY}" "Project2Identity" $0
    ${Else}
        DeleteRegValue SHCTX "${UNINST_KEY}" "Project2Identity"
    ${EndIf}
SectionEnd

Section "Uninstall"
    !include "${LISTS}/uninstall-files.nsh"
    ; Our library goes only while it is still the file we installed: one that a technician put
    ; in its place (the site's vendor library) stays.
    ReadRegStr $0 SHCTX "${UNINST_KEY}" "Project2Identity"
    ${If} $0 != ""
        !insertmacro LibraryIdentity "$INSTDIR\project2.dll" $1
        ${If} $0 == $1
            Delete "$INSTDIR\project2.dll"
        ${EndIf}
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    ; Only when empty: the db record folder and any file not ours keep the folder.
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\DevTool\设备调试工具 DevTool.lnk"
    Delete "$SMPROGRAMS\DevTool\DevTool version and library.lnk"
    Delete "$SMPROGRAMS\DevTool\README.lnk"
    Delete "$SMPROGRAMS\DevTool\Uninstall DevTool.lnk"
    RMDir "$SMPROGRAMS\DevTool"
    DeleteRegKey SHCTX "${UNINST_KEY}"
SectionEnd
