// The application of another process whose window has the foreground in the tests of the
// wheel's road: a frame with a list box of 100 rows, run inside a desktop of its own.
//   wheelhook_focus_window focus|nofocus RESULT
// With "focus" the list box has the keyboard focus; with "nofocus" the frame is in the
// foreground with no focus at all. It sets the event KbWheelFocusReady, then takes its
// messages until the wheel marker has come (and with "nofocus", a wheel message too, or 20 s
// have passed), and writes to RESULT what it received:
//   marker M consumed C vscroll N code K top T wheel W delta D
// M: 1 when the marker came; C: the marker's word of whether the wheel hook consumed the notch;
// N and K: the scroll messages the list box received and the code of the last; T: the list
// box's top row afterwards; W and D: the wheel messages that reached the frame or the list box
// and the delta of the last, as the application took it.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "wheelhook/tests/wine/focus_road.h"
#include "wheelhook/tests/wine/wheel_marker.h"

namespace {

struct Received {
    int marker = 0;
    int consumed = 0;
    int vscroll = 0;
    int code = -1;
    int wheel = 0;
    int delta = 0;
};

void Note(const MSG& message, HWND list, Received& received) {
    if (message.message == wheeltest::kWheelMarker) {
        received.marker = 1;
        received.consumed = static_cast<int>(message.wParam);
    } else if (message.message == WM_VSCROLL && message.hwnd == list) {
        ++received.vscroll;
        received.code = static_cast<int>(message.wParam);
    } else if (message.message == WM_MOUSEWHEEL) {
        ++received.wheel;
        received.delta = GET_WHEEL_DELTA_WPARAM(message.wParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 64;
    const bool with_focus = std::strcmp(argv[1], "focus") == 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = wheeltest::kFocusWindowClass;
    RegisterClassA(&wc);
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "another application", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                 100, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER, 10, 10, 200, 150,
                                frame, nullptr, wc.hInstance, nullptr);
    if (!frame || !list) return 3;
    for (int i = 0; i < 100; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    SetForegroundWindow(frame);
    SetFocus(with_focus ? list : nullptr);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, wheeltest::kFocusReadyEvent);
    if (!ready) return 3;
    SetEvent(ready);
    CloseHandle(ready);

    Received received;
    const DWORD start = GetTickCount();
    while (!(received.marker && (with_focus || received.wheel)) && GetTickCount() - start < 20000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            Note(message, list, received);
            DispatchMessageA(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    std::FILE* out = std::fopen(argv[2], "w");
    if (!out) return 2;
    std::fprintf(out, "marker %d consumed %d vscroll %d code %d top %d wheel %d delta %d\n", received.marker,
                 received.consumed, received.vscroll, received.code, top, received.wheel, received.delta);
    std::fclose(out);
    return 0;
}
