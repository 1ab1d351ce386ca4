; Files put in place the Windows way: one in use is replaced, or removed, at the next restart.

; Writes NAME from the deliverables into FOLDER: the new copy goes in beside the old one, which
; is then taken away. One that can't be, because it is in use (wheelhook.dll stays mapped in
; every program its hooks reached; a control panel may hold the applet), Windows swaps for the
; new copy at the next restart.
!macro PlaceFile NAME FOLDER
  DetailPrint "Copying ${NAME} to ${FOLDER}"
  SetDetailsPrint none
  GetTempFileName $R9 "${FOLDER}"
  File "/oname=$R9" "${DIST}/${NAME}"
  Delete "${FOLDER}\${NAME}"
  ${If} ${FileExists} "${FOLDER}\${NAME}"
    Rename /REBOOTOK "$R9" "${FOLDER}\${NAME}"
    SetDetailsPrint both
    DetailPrint "${NAME} is in use; it is replaced when Windows restarts."
  ${Else}
    Rename "$R9" "${FOLDER}\${NAME}"
    SetDetailsPrint both
  ${EndIf}
!macroend

; A driver where the service expects it ("system32\drivers" below the Windows folder, on every
; Windows we ship for). Windows loads a new or changed driver only when it builds the
; receiver's stacks again, so either asks for a restart; the one in place counts as unchanged
; when it carries the time of the file in the setup.
!macro PlaceDriver NAME
  GetFileTimeLocal "${DIST}/${NAME}" $R1 $R2
  ClearErrors
  GetFileTime "$WINDIR\system32\drivers\${NAME}" $R3 $R4
  ${If} ${Errors}
  ${OrIf} $R1 != $R3
  ${OrIf} $R2 != $R4
    SetRebootFlag true
  ${EndIf}
  !insertmacro PlaceFile ${NAME} "$WINDIR\system32\drivers"
!macroend

; Run from its own folder (as with _?=), the uninstaller can't delete itself; it and the
; folder go at the next restart. That alone is no reason to ask for one: the file does no harm
; until then.
!macro RemoveUninstaller
  ${If} ${RebootFlag}
    StrCpy $R0 1
  ${Else}
    StrCpy $R0 0
  ${EndIf}
  Delete /REBOOTOK "$INSTDIR\${UNINSTALLER}"
  RMDir /REBOOTOK "$INSTDIR"
  ${If} $R0 == 0
    SetRebootFlag false
  ${EndIf}
!macroend
