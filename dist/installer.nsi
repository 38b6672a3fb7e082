; The Pelorus installer, one per architecture. Built by scripts/dist:
;   makensis -DARCH=x86|x64 -DVERSION=2.5.0 -DSOURCE=<folder of the files> -DICON=<.ico> -DOUTFILE=<setup.exe>
; Installs for every user into the program files folder, with a Start-menu shortcut and an
; uninstaller under "Apps & features". Both end a running Pelorus politely first, so that it gives
; every browser window back. A file still in use (the hook library stays loaded in a browser that
; ran the hook until its next message) is moved aside under a name of its own and removed at the
; next restart, so that nothing is ever scheduled against a file name a later install writes.
; The user's settings (Pelorus.ini) are never touched. Its pages speak Japanese where the user's
; interface language is Japanese and English elsewhere, as Pelorus does.
Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"

; The 64-bit installer is itself a 64-bit program: it sees the 64-bit program files folder and
; registry, and cannot start on a 32-bit Windows at all.
!if "${ARCH}" == "x64"
  Target amd64-unicode
  InstallDir "$PROGRAMFILES64\Pelorus"
!else
  Target x86-unicode
  InstallDir "$PROGRAMFILES\Pelorus"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelorus"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
AllowSkipFiles off

Name "Pelorus ${VERSION} (${ARCH})"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "Pelorus ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Pelorus"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "Pelorus セットアップ (${ARCH})"
VIAddVersionKey /LANG=1041 "CompanyName" "Pelorus"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Pelorus"
VIAddVersionKey /LANG=1033 "ProductName" "Pelorus"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Pelorus Setup (${ARCH})"
VIAddVersionKey /LANG=1033 "CompanyName" "Pelorus"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Pelorus"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; Started through the shell, so that it runs with the user's rights, not the installer's: the hook
; in the user's browsers could not post to an elevated Pelorus.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartPelorus
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the one for a user whose language is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString PelorusStaysOpen ${LANG_ENGLISH} "Pelorus does not close. Close its settings and other windows, then press Retry."
LangString PelorusStaysOpen ${LANG_JAPANESE} "Pelorus が終了しません。Pelorus の設定などの画面を閉じてから、再試行を押してください。"

; Asks a running Pelorus to close, as its close box does: it gives every browser window back (or
; closes them, as its settings say), and its keeper gives back what did not answer, then ends.
; Pelorus that does not go (a dialog of its own is open) is asked about; a silent run gives up.
!macro ClosePelorus
  ${Do}
    FindWindow $0 "#32770" "Pelorus_2"
    ${If} $0 <> 0
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    StrCpy $1 0
    ${Do}
      FindWindow $0 "#32770" "Pelorus_2"
      FindWindow $2 "Pelorus2Class" ""
      ${If} $0 == 0
      ${AndIf} $2 == 0
        ${Break}
      ${EndIf}
      ${If} $1 >= 100
        ${Break}
      ${EndIf}
      Sleep 100
      IntOp $1 $1 + 1
    ${Loop}
    FindWindow $0 "#32770" "Pelorus_2"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(PelorusStaysOpen)" /SD IDCANCEL IDRETRY +2
    Abort
  ${Loop}
  ; A browser that ran the hook lets go of the library at its next message.
  SendMessage ${HWND_BROADCAST} ${WM_NULL} 0 0 /TIMEOUT=200
!macroend

; Removes $INSTDIR\FILE; one still in use is moved aside and removed at the next restart.
!macro RemoveFile FILE
  Delete "$INSTDIR\${FILE}"
  ${If} ${FileExists} "$INSTDIR\${FILE}"
    GetTempFileName $3 "$INSTDIR"
    Delete $3
    Rename "$INSTDIR\${FILE}" $3
    Delete /REBOOTOK $3
  ${EndIf}
!macroend

!macro RemoveFiles
  !insertmacro RemoveFile "Pelorus.exe"
  !insertmacro RemoveFile "PelorusKeeper.exe"
  !insertmacro RemoveFile "PelorusLib.dll"
  !insertmacro RemoveFile "readme.txt"
!macroend

Function StartPelorus
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\Pelorus.exe"'
FunctionEnd

Section "Pelorus"
  !insertmacro ClosePelorus
  SetOutPath "$INSTDIR"
  !insertmacro RemoveFiles
  File "${SOURCE}\Pelorus.exe"
  File "${SOURCE}\PelorusKeeper.exe"
  File "${SOURCE}\PelorusLib.dll"
  File "${SOURCE}\readme.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Pelorus.lnk" "$INSTDIR\Pelorus.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pelorus (${ARCH})"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Pelorus"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pelorus.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" 1024
SectionEnd

Section "Uninstall"
  !insertmacro ClosePelorus
  !insertmacro RemoveFiles
  !insertmacro RemoveFile "uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Pelorus.lnk"
  ; The shortcut Pelorus makes in the user's Startup folder would start nothing any more.
  SetShellVarContext current
  Delete "$SMSTARTUP\Pelorus.lnk"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
