; A running agent holds its own files and its DLLs, and would put the filters back into the
; receiver's lists at its next start: the setup and the uninstaller stop it first.

!include WinMessages.nsh

!define SYNCHRONIZE 0x00100000
; Far longer than the agent takes to start or to end (its shut-down waits half a second).
!define AGENT_WAIT_MS 15000

; Only a running agent is told to stop: "keyagent.exe /u" would start one when none runs. The
; message is the one "/u" posts, sent straight to the window found, so an agent that ends in
; between can't leave a new one behind.
!macro StopRunningAgent
  FindWindow $0 "${AGENT_WINDOW_CLASS}"
  ${If} $0 != 0
    DetailPrint "Stopping the running agent"
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2"
    System::Call "user32::PostMessage(p r0, i ${WM_DESTROY}, p 0, p 0)"
    ${If} $2 != 0
      System::Call "kernel32::WaitForSingleObject(p r2, i ${AGENT_WAIT_MS}) i .r3"
      System::Call "kernel32::CloseHandle(p r2)"
      ${If} $3 != 0
        DetailPrint "The agent did not end; the files it holds wait for the next restart."
      ${EndIf}
    ${EndIf}
  ${EndIf}
!macroend

; Starts the agent in its own folder (it registers the status page at every start and looks for
; the page's file beside itself when the system folder lacks it) and waits until it is up, so
; that an uninstaller run right after the setup finds it to stop.
!macro StartAgent
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\keyagent.exe"'
  StrCpy $1 0
  ${Do}
    Sleep 100
    IntOp $1 $1 + 100
    FindWindow $0 "${AGENT_WINDOW_CLASS}"
    ${If} $0 != 0
    ${OrIf} $1 >= ${AGENT_WAIT_MS}
      ${Break}
    ${EndIf}
  ${Loop}
!macroend
