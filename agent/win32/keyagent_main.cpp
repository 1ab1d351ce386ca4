// keyagent.exe: start-up, message loop and the end of the process.
#include <windows.h>

#include "agent/logic/command_line.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/installation.h"
#include "agent/win32/main_window.h"
#include "agent/win32/status_page.h"
#include "agent/win32/window_classes.h"
#include "common/window_classes.h"
#include "outside/agenthook/agenthook.h"
#include "trayicon/trayicon.h"
#include "wheelhook/wheelhook.h"

namespace {

// Handles come from the same 32-bit range in every world.
DWORD WindowValue(HWND window) { return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(window)); }

VersionFlags QueryVersionFlags() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return VersionFlags{};
    return ComputeVersionFlags(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

int RunAgent(HINSTANCE instance) {
    AgentState& agent = Agent();
    agent.instance = instance;
    agent.readers.keyboard_filter_handle = INVALID_HANDLE_VALUE;
    RegisterStatusPage();
    RegisterAgentClasses(instance);
    agent.version = QueryVersionFlags();
    agent.wheel_library = LoadLibraryA("wheelhook.DLL");
    agent.tray_window = FindWindowA(KB_CLASS_STATUS_TRAY, nullptr);
    if (agent.tray_window == nullptr) agent.tray_window = Init_StatusTray();
    if (CreateMainWindow(instance) == nullptr) return 0;
    SetAgentWindows(1, WindowValue(agent.main_window), WindowValue(agent.popup_window));
    agent.wheel_windows[0] = agent.main_window;
    InstallMouseFilter(1, agent.wheel_windows);

    const int exit_code = RunMessageLoop();

    SetAgentWindows(0, 0, 0);
    InstallMouseFilter(0, nullptr);
    if (agent.wheel_library != nullptr) FreeLibrary(agent.wheel_library);
    return exit_code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const AgentCommand command = ClassifyCommandLine(CommandTextAfterProgram(GetCommandLineA()));
    const bool needs_instance_check = command == AgentCommand::StopOther || command == AgentCommand::Run;
    const HWND other = needs_instance_check ? FindWindowA(KB_CLASS_AGENT_MAIN, nullptr) : nullptr;
    switch (DecideStart(command, other != nullptr)) {
    case StartDecision::Uninstall:
        return RunUninstallCommand();
    case StartDecision::Install:
        return RunInstallCommand();
    case StartDecision::PostDestroyAndExit:
        PostMessageA(other, WM_DESTROY, 0, 0);
        return 0;
    case StartDecision::ExitAtOnce:
        return 0;
    case StartDecision::Run:
        break;
    }
    return RunAgent(instance);
}
