; Names the setup shares with the programs, read from the programs' own headers in common/ so
; that the two can't drift apart: a name that moves or changes stops makensis.

; Defines SYMBOL as the text of `#define NAME "text"` in common/HEADER, its C escapes undone.
!macro ReadSharedName SYMBOL HEADER NAME
  !searchparse /file "${SOURCE}/common/${HEADER}" `#define ${NAME} "` ${SYMBOL}_ESCAPED `"`
  !searchreplace ${SYMBOL} "${${SYMBOL}_ESCAPED}" "\\" "\"
  !undef ${SYMBOL}_ESCAPED
!macroend

!insertmacro ReadSharedName AGENT_WINDOW_CLASS window_classes.h KB_CLASS_AGENT_MAIN
!insertmacro ReadSharedName KEYBOARD_SETTINGS_KEY registry_names.h KB_REG_KEYBOARD
!insertmacro ReadSharedName WHEEL_SETTINGS_KEY registry_names.h KB_REG_WHEEL
!insertmacro ReadSharedName LOCK_SETTINGS_KEY registry_names.h KB_REG_SKYREL
!insertmacro ReadSharedName LOCK_SETTINGS_VALUE registry_names.h KB_VAL_USB_LOCK
!insertmacro ReadSharedName SERVICES_KEY registry_names.h KB_REG_SERVICES
!insertmacro ReadSharedName CONTROLS_FOLDER_KEY registry_names.h KB_REG_CONTROLS_FOLDER
!insertmacro ReadSharedName FILTER_SERVICE control_interface.h KB_FILTER_SERVICE_NAME
!insertmacro ReadSharedName COMPANION_SERVICE control_interface.h KB_COMPANION_SERVICE_NAME

; The key every setting of the maker's lives under: "Software\<maker>".
!searchparse "${LOCK_SETTINGS_KEY}" "Software\" MAKER "\"
!define MAKER_KEY "Software\${MAKER}"

!define SERVICE_KEY_UVXNFTR "${SERVICES_KEY}\${FILTER_SERVICE}"
!define SERVICE_KEY_LVXNFTR "${SERVICES_KEY}\${COMPANION_SERVICE}"

; The status page the agent registers at every start (its class and its handler below the
; Keyboard control panel); the agent alone knows these, so they are spelt out here.
!define STATUS_PAGE_CLSID "{c760afa1-df5a-4349-b9f3-ccfafa3cd4ea}"
!define STATUS_PAGE_HANDLER_KEY \
  "${CONTROLS_FOLDER_KEY}Keyboard\shellex\PropertySheetHandlers\${MAKER} ZI Dodoveda Status"
