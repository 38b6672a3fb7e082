; The Pelorus installer, one per architecture. Built by scripts/dist:
;   makensis -DARCH=x86|x64 -DVERSION=2.5.0 -DSOURCE=<folder of the files> -DICON=<.ico> -DOUTFILE=<setup.exe>
; Installs for every user into the program files folder, with a Start-menu shortcut and an
; uninstaller under "Apps & features". Both end a running Pelorus politely first, so that it gives
; every browser window back. The user's settings (Pelorus.ini) are never touched.
Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!if "${ARCH}" == "x64"
  Target amd64-unicode
  InstallDir "$PROGRAMFILES64\Pelorus"
!else
  Target x86-unicode
  InstallDir "$PROGRAMFILES\Pelorus"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelorus"

Name "Pelorus ${VERSION} (${ARCH})"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Pelorus"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "Pelorus セットアップ (${ARCH})"
VIAddVersionKey /LANG=1041 "CompanyName" "Pelorus"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Pelorus"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Pelorus.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; Asks a running Pelorus to close, as its close box does: it gives every browser window back (or
; closes them, as its settings say), and its keeper gives back what did not answer, then ends.
; Waits up to 15 s for both; files still in use after that go at the next restart.
!macro ClosePelorus
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
    ${If} $1 >= 150
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
!macroend

!macro UseRegistryView
  !if "${ARCH}" == "x64"
    SetRegView 64
  !endif
!macroend

Function .onInit
  !if "${ARCH}" == "x64"
    ${IfNot} ${RunningX64}
      MessageBox MB_ICONSTOP "この Pelorus は 64 ビット版の Windows 用です。32 ビット版 (x86) をお使いください。" /SD IDOK
      Abort
    ${EndIf}
  !endif
FunctionEnd

Section "Pelorus"
  !insertmacro ClosePelorus
  SetOutPath "$INSTDIR"
  File "${SOURCE}\Pelorus.exe"
  File "${SOURCE}\PelorusKeeper.exe"
  File "${SOURCE}\PelorusLib.dll"
  File "${SOURCE}\readme.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Pelorus.lnk" "$INSTDIR\Pelorus.exe"

  !insertmacro UseRegistryView
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
  ; A program that ran the hook keeps the library loaded until its next message: every window is
  ; nudged, and the library given a moment to be let go before it is left for the next restart.
  SendMessage ${HWND_BROADCAST} ${WM_NULL} 0 0 /TIMEOUT=500
  StrCpy $1 0
  ${DoWhile} ${FileExists} "$INSTDIR\PelorusLib.dll"
    ClearErrors
    Delete "$INSTDIR\PelorusLib.dll"
    ${If} $1 >= 20
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
  Delete /REBOOTOK "$INSTDIR\Pelorus.exe"
  Delete /REBOOTOK "$INSTDIR\PelorusKeeper.exe"
  Delete /REBOOTOK "$INSTDIR\PelorusLib.dll"
  Delete /REBOOTOK "$INSTDIR\readme.txt"
  Delete /REBOOTOK "$INSTDIR\uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Pelorus.lnk"
  ; The shortcut Pelorus makes in the user's Startup folder would start nothing any more.
  SetShellVarContext current
  Delete "$SMSTARTUP\Pelorus.lnk"

  !insertmacro UseRegistryView
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
