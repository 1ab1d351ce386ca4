// The agent's side of the wheel's road through another process, run inside a desktop of its
// own: it installs the real wheel hook as the agent does, with a hidden window of its own as
// the agent's window, starts the application (wheelhook_focus_window.exe, beside this program)
// and turns one wheel notch over that application's list box, with the wheel marker after it.
//   wheelhook_focus_host focus|nofocus RESULT
// MODE and RESULT go to the application, which writes what it received; the exit code is the
// application's, or 3 when it could not be run to its end.
#include <windows.h>

#include <string>

#include "tools/fixtures/message_pump.h"
#include "tools/fixtures/program_start.h"
#include "wheelhook/tests/wine/focus_road.h"
#include "wheelhook/tests/wine/wheel_marker.h"
#include "wheelhook/wheelhook.h"

namespace {

constexpr DWORD kLimitMs = 20000;

// Takes this thread's messages (the low-level hooks run in them) until `object` is signalled.
bool PumpUntilSignalled(HANDLE object) {
    return fixtures::PumpUntil([object] { return WaitForSingleObject(object, 0) == WAIT_OBJECT_0; }, kLimitMs);
}

std::string Beside(const char* file) {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path(self, length < sizeof self ? length : 0);
    return path.substr(0, path.find_last_of('\\') + 1) + file;
}

void TurnTheWheelOver(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    SendInput(1, &input, sizeof input);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 64;
    HWND agent = CreateWindowExA(0, "STATIC", "agent", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HWND windows[10] = {agent};
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, wheeltest::kFocusReadyEvent);
    if (!agent || !ready || !InstallMouseFilter(1, windows)) return 3;

    std::string command = "\"" + Beside("wheelhook_focus_window.exe") + "\" " + argv[1] + " \"" + argv[2] + "\"";
    const HANDLE application = fixtures::StartProgram(command).process;
    if (application == nullptr) return 3;
    DWORD exit_code = 3;
    bool finished = false;
    wheeltest::WheelMarker marker;
    if (PumpUntilSignalled(ready)) {
        HWND frame = FindWindowA(wheeltest::kFocusWindowClass, nullptr);
        if (frame && marker.Install(frame)) {
            TurnTheWheelOver(FindWindowExA(frame, nullptr, "LISTBOX", nullptr));
            finished = PumpUntilSignalled(application);
        }
    }
    if (finished) {
        GetExitCodeProcess(application, &exit_code);
    } else {
        TerminateProcess(application, 3);
    }
    marker.Remove();
    InstallMouseFilter(0, nullptr);
    CloseHandle(application);
    CloseHandle(ready);
    return static_cast<int>(exit_code);
}
