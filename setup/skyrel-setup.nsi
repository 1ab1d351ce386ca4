; The setup of the keyboard-and-mouse set's software, and its uninstaller.
;
; The setup stops a running agent, puts the drivers into system32\drivers, the applet and the
; status page into the system folder and everything else into one folder under Program Files,
; registers both settings servers, lets the agent install its filters ("/install"), starts the
; agent at every logon and now, and writes the Add/Remove Programs entry. The uninstaller takes
; all of it away again; the user's settings stay unless the user says otherwise.
;
; setup/CMakeLists.txt builds it, once per world:
;   makensis -DWORLD=win32|win64 -DDIST=<deliverables> -DOUTFILE=<setup.exe> -DVERSION=<x.y.z>
;            -DICON=<the agent's icon> -DSOURCE=<source tree> skyrel-setup.nsi
; Silent runs (/S) never restart Windows; when a restart is needed they end with 3010.

!if "${WORLD}" == "win64"
  ; The x86_64 twin, for the test world of machines that run no 32-bit code.
  Target amd64-unicode
!else
  ; Runs on 98 and ME as well as on 2000 and XP.
  Target x86-ansi
!endif

!include LogicLib.nsh
!include MUI2.nsh
!include "${SOURCE}/setup/shared_names.nsh"

!define PRODUCT "Orvanta Skyrel"
!define PUBLISHER "Orvanta"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Skyrel"
!define UNINSTALLER "uninstall.exe"
!define ERROR_SUCCESS_REBOOT_REQUIRED 3010
; What "keyagent.exe /install" ends with when a service could not be registered or a filter's
; driver file is missing; a silent run ends with it too.
!define ERROR_INSTALL_FAILURE 1603

Name "${PRODUCT}"
Caption "${PRODUCT} Setup"
UninstallCaption "${PRODUCT} Uninstall"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
SetCompressor /SOLID lzma
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES\${PRODUCT}"
; Over an installed copy the folder is the one it lives in, so nothing is left in the old one.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOverInstalledCopy
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES

!define MUI_PAGE_CUSTOMFUNCTION_LEAVE un.AskWhetherToKeepSettings
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!include "${SOURCE}/setup/running_agent.nsh"
!include "${SOURCE}/setup/file_placement.nsh"
!include "${SOURCE}/setup/registration.nsh"

Var KeepSettings
Var FiltersFailed

; Files, drivers and machine-wide registry keys need an administrator (98 and ME say "Admin"
; for everyone).
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Only an administrator can install or remove ${PRODUCT}." /SD IDOK
    SetErrorLevel 5
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RequireAdministrator
FunctionEnd

Function SkipFolderOverInstalledCopy
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    Abort
  ${EndIf}
FunctionEnd

Section "Install"
  !insertmacro StopRunningAgent

  ; Windows puts the filters into the receiver's stacks only as it builds them, at the next
  ; restart: a first install needs one, and so does a changed driver.
  ClearErrors
  ReadRegDWORD $0 HKLM "${SERVICE_KEY_UVXNFTR}" "Type"
  ReadRegDWORD $0 HKLM "${SERVICE_KEY_LVXNFTR}" "Type"
  ${If} ${Errors}
    SetRebootFlag true
  ${EndIf}
  !insertmacro PlaceDriver uvxnftr.sys
  !insertmacro PlaceDriver lvxnftr.sys

  !insertmacro PlaceFile skyrel.cpl $SYSDIR
  !insertmacro PlaceFile statuspage.DLL $SYSDIR

  SetOutPath "$INSTDIR"
  !insertmacro PlaceFile keyagent.exe $INSTDIR
  !insertmacro PlaceFile wheelhook.dll $INSTDIR
  !insertmacro PlaceFile trayicon.dll $INSTDIR
  !insertmacro PlaceFile agenthook.dll $INSTDIR
  !insertmacro PlaceFile keypages.dll $INSTDIR
  !insertmacro PlaceFile mousepages.dll $INSTDIR

  ; Written before anything can fail, so that whatever is in place can be removed again.
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\keyagent.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  DetailPrint "Registering the Keyboard and Mouse control panels' pages"
  !insertmacro RegisterServer keypages.dll
  !insertmacro RegisterServer mousepages.dll

  DetailPrint "Installing the filters into the receiver's devices"
  ClearErrors
  ExecWait '"$INSTDIR\keyagent.exe" /install' $0
  ${If} ${Errors}
  ${OrIf} $0 <> 0
    StrCpy $FiltersFailed 1
    DetailPrint "keyagent.exe /install ended with $0: the filters are not installed."
  ${EndIf}
  WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\keyagent.exe"'
  !insertmacro StartAgent

  ${If} $FiltersFailed == 1
    MessageBox MB_OK|MB_ICONEXCLAMATION \
      "The receiver's filters could not be installed: the hot keys will not work." /SD IDOK
  ${ElseIf} ${RebootFlag}
    DetailPrint "Windows must be restarted before the hot keys work."
  ${EndIf}
SectionEnd

Function .onInstSuccess
  ; A restart would not make the hot keys work.
  ${If} $FiltersFailed == 1
    SetErrorLevel ${ERROR_INSTALL_FAILURE}
    Return
  ${EndIf}
  ${If} ${RebootFlag}
    SetErrorLevel ${ERROR_SUCCESS_REBOOT_REQUIRED}
    MessageBox MB_YESNO|MB_ICONQUESTION \
      "${PRODUCT} is installed. Windows must be restarted before the hot keys work.$\n$\nRestart now?" \
      /SD IDNO IDNO done
    Reboot
  done:
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro RequireAdministrator
  StrCpy $KeepSettings 1
FunctionEnd

Function un.AskWhetherToKeepSettings
  MessageBox MB_YESNO|MB_ICONQUESTION \
    "Keep your hot-key, wheel and receiver lock settings for a later installation?" \
    /SD IDYES IDYES keep
  StrCpy $KeepSettings 0
  keep:
FunctionEnd

Section "Uninstall"
  !insertmacro StopRunningAgent

  ; The folder to be removed must not be the current one.
  SetOutPath "$TEMP"
  DetailPrint "Removing the filters from the receiver's devices"
  ExecWait '"$INSTDIR\keyagent.exe" /uninstall'

  DetailPrint "Unregistering the Keyboard and Mouse control panels' pages"
  UnRegDLL "$INSTDIR\keypages.dll"
  UnRegDLL "$INSTDIR\mousepages.dll"
  ; The agent registers the status page at every start; "/uninstall" leaves it.
  DeleteRegKey HKCR "CLSID\${STATUS_PAGE_CLSID}"
  DeleteRegKey HKLM "${STATUS_PAGE_HANDLER_KEY}"
  !insertmacro RemoveEmptyKeys Keyboard
  !insertmacro RemoveEmptyKeys Mouse
  DeleteRegValue HKLM "${RUN_KEY}" "${RUN_VALUE}"

  Delete /REBOOTOK "$WINDIR\system32\drivers\uvxnftr.sys"
  Delete /REBOOTOK "$WINDIR\system32\drivers\lvxnftr.sys"
  Delete /REBOOTOK "$SYSDIR\skyrel.cpl"
  Delete /REBOOTOK "$SYSDIR\statuspage.DLL"
  Delete /REBOOTOK "$INSTDIR\keyagent.exe"
  Delete /REBOOTOK "$INSTDIR\wheelhook.dll"
  Delete /REBOOTOK "$INSTDIR\trayicon.dll"
  Delete /REBOOTOK "$INSTDIR\agenthook.dll"
  Delete /REBOOTOK "$INSTDIR\keypages.dll"
  Delete /REBOOTOK "$INSTDIR\mousepages.dll"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ${If} $KeepSettings == 1
    DetailPrint "Your settings are kept for a later installation."
  ${Else}
    DeleteRegKey HKLM "${KEYBOARD_SETTINGS_KEY}"
    DeleteRegKey HKLM "${WHEEL_SETTINGS_KEY}"
    DeleteRegValue HKLM "${LOCK_SETTINGS_KEY}" "${LOCK_SETTINGS_VALUE}"
    DeleteRegKey /ifnosubkeys /ifnovalues HKLM "${LOCK_SETTINGS_KEY}"
    DeleteRegKey /ifnosubkeys /ifnovalues HKLM "${MAKER_KEY}"
  ${EndIf}

  !insertmacro RemoveUninstaller
SectionEnd

Function un.onUninstSuccess
  ${If} ${RebootFlag}
    SetErrorLevel ${ERROR_SUCCESS_REBOOT_REQUIRED}
    MessageBox MB_YESNO|MB_ICONQUESTION \
      "Some files are in use and are removed when Windows restarts.$\n$\nRestart now?" \
      /SD IDNO IDNO done
    Reboot
  done:
  ${EndIf}
FunctionEnd
