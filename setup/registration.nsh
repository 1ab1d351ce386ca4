; The settings servers' registration, and what registering leaves behind once undone.

; The server's own DllRegisterServer. Without it the control panels show none of its pages, so
; a failure stops the setup, saying so; what is in place can be removed from Add/Remove Programs.
!macro RegisterServer NAME
  ClearErrors
  RegDLL "$INSTDIR\${NAME}"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "${NAME} could not be registered, so the control panels would not show its pages. Setup stops here." /SD IDOK
    Abort
  ${EndIf}
!macroend

; Unregistering takes away a handler's own key only; the keys made above it for it go too, up
; to the control panel's own key below "Controls Folder", once nothing at all is left in them.
!macro RemoveEmptyKeys APPLET
  DeleteRegKey /ifnosubkeys /ifnovalues HKLM "${CONTROLS_FOLDER_KEY}${APPLET}\shellex\PropertySheetHandlers"
  DeleteRegKey /ifnosubkeys /ifnovalues HKLM "${CONTROLS_FOLDER_KEY}${APPLET}\shellex"
  DeleteRegKey /ifnosubkeys /ifnovalues HKLM "${CONTROLS_FOLDER_KEY}${APPLET}"
!macroend
