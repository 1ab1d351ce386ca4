#include "tools/simulator/desktop/text_window.h"

#include <string>

namespace sim {
namespace {

constexpr char kClassName[] = "KbsimTextWindow";
constexpr DWORD kReadyLimitMs = 10000;
constexpr int kLines = 100;

WNDPROC g_edit_proc = nullptr;

// The edit's caret would blink between two pictures of the screen, a change that shows nothing:
// it stays hidden.
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcA(g_edit_proc, window, message, wParam, lParam);
    if (message == WM_SETFOCUS) HideCaret(window);
    return result;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(GetWindow(window, GW_CHILD), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetWindow(window, GW_CHILD));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::string NumberedLines() {
    std::string text;
    for (int i = 1; i <= kLines; ++i) text += "Line " + std::to_string(i) + " of the text the wheel scrolls\r\n";
    return text;
}

}  // namespace

DWORD WINAPI TextWindow::Run(void* self_pointer) {
    auto* self = static_cast<TextWindow*>(self_pointer);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = FrameProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = kClassName;
    RegisterClassA(&window_class);
    HWND frame = CreateWindowExA(0, kClassName, "Text to scroll", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 520, 60, 440, 300,
                                 nullptr, nullptr, instance, nullptr);
    HWND edit = frame ? CreateWindowExA(0, "EDIT", NumberedLines().c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 0, 0,
                                        frame, nullptr, instance, nullptr)
                      : nullptr;
    if (edit) {
        g_edit_proc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
        RECT client;
        GetClientRect(frame, &client);
        MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
        self->frame_ = frame;
        self->edit_ = edit;
    }
    SetEvent(self->ready_);
    if (!edit) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

bool TextWindow::Open() {
    if (edit_) return true;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, &thread_id_);
    if (thread_ == nullptr) return false;
    WaitForSingleObject(ready_, kReadyLimitMs);
    return edit_ != nullptr;
}

TextWindow::~TextWindow() {
    if (frame_) PostMessageA(frame_, WM_CLOSE, 0, 0);
    if (thread_) {
        WaitForSingleObject(thread_, kReadyLimitMs);
        CloseHandle(thread_);
    }
    if (ready_) CloseHandle(ready_);
}

void TextWindow::Activate() {
    if (!frame_) return;
    SetForegroundWindow(frame_);
    const POINT centre = Centre();
    SetCursorPos(centre.x, centre.y);
}

int TextWindow::FirstVisibleLine() const {
    return edit_ ? static_cast<int>(SendMessageA(edit_, EM_GETFIRSTVISIBLELINE, 0, 0)) + 1 : 0;
}

POINT TextWindow::Centre() const {
    RECT bounds = {};
    GetWindowRect(edit_, &bounds);
    return POINT{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

}  // namespace sim
