; Mirevan's installer: installs for the current user (no administrator rights), into the
; user's programs folder, with a Start-menu entry and an entry in the user's list of
; installed programs. scripts/package.sh builds it with:
;   makensis -DVERSION=<x.y.z> -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> Mirevan.nsi
; /S installs or uninstalls silently; the uninstaller keeps "Status.cfg" unless asked.

; Mirevan is a 64-bit program, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Mirevan"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirevan"
!define SETTINGS_KEY "Software\brelkor\mirevan"
; Mirevan's main window: the toolkit's window class, and the caption its frame shows.
!define MAIN_WINDOW_CLASS "MirevanWindow"
!define MAIN_WINDOW_TITLE "Mirevan V1.0"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 the Mirevan developers"

!define MUI_ICON "${STAGE}\..\Mirevan.ico"
!define MUI_UNICON "${STAGE}\..\Mirevan.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Mirevan.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Mirevan now"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\License.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running Mirevan holds its files: ask it to close, as its own close button does, and give
; it (and its guard, which ends with it) a few seconds.
!macro CloseRunningMirevan
  FindWindow $0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_TITLE}"
  ${If} $0 <> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    StrCpy $1 0
    ${Do}
      Sleep 100
      IntOp $1 $1 + 1
      FindWindow $0 "${MAIN_WINDOW_CLASS}" "${MAIN_WINDOW_TITLE}"
      ${If} $0 = 0
      ${OrIf} $1 >= 50
        ${ExitDo}
      ${EndIf}
    ${Loop}
    Sleep 500
  ${EndIf}
!macroend

Section "Mirevan" SecMain
  SectionIn RO
  SetShellVarContext current
  !insertmacro CloseRunningMirevan
  SetOutPath "$INSTDIR"
  File "${STAGE}\Mirevan.exe"
  File "${STAGE}\Hook.dll"
  File "${STAGE}\DragOn.bmp"
  File "${STAGE}\DragOff.bmp"
  File "${STAGE}\MidnightEmber.qzkn"
  File "${STAGE}\ReadMe.txt"
  File "${STAGE}\License.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut starts Mirevan in its folder, where it looks for the drag pictures.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Mirevan.exe" "" "$INSTDIR\Mirevan.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Mirevan developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Mirevan.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecMain} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro CloseRunningMirevan
  Delete "$INSTDIR\Mirevan.exe"
  Delete "$INSTDIR\Hook.dll"
  Delete "$INSTDIR\DragOn.bmp"
  Delete "$INSTDIR\DragOff.bmp"
  Delete "$INSTDIR\MidnightEmber.qzkn"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\License.txt"
  Delete "$INSTDIR\Status.cfg.tmp"
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove Mirevan's settings (Status.cfg) as well?" /SD IDNO IDNO KeepSettings
    Delete "$INSTDIR\Status.cfg"
  KeepSettings:
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The auto-start option's value and the start-up entry it makes, and its keys once nothing
  ; else is in them.
  DeleteRegValue HKCU "Software\Microsoft\Windows\CurrentVersion\Run" "Mirevan"
  DeleteRegValue HKCU "${SETTINGS_KEY}" "Mirevan AutoStart"
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\brelkor"
SectionEnd
