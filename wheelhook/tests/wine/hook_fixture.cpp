#include "wheelhook/tests/wine/hook_fixture.h"

#include "common/registry_names.h"
#include "common/window_classes.h"
#include "tools/fixtures/message_pump.h"
#include "tools/fixtures/program_start.h"
#include "tools/winsupport/build_files.h"
#include "wheelhook/wheelhook.h"

namespace wheeltest {
namespace {

std::vector<Posted> g_seen;
constexpr char kFrameClass[] = "WHEELTESTFRAME";

void Inject(DWORD flags, DWORD data, LONG x = 0, LONG y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.mouseData = data;
    input.mi.dwFlags = flags;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u) << "SendInput, error " << GetLastError();
}

void Record(const MSG& message) { g_seen.push_back({message.hwnd, message.message, message.wParam, message.lParam}); }

void RegisterFrameClass() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFrameClass;
    RegisterClassA(&wc);  // already registered by an earlier test: fine
}

}  // namespace

void WriteWheelSetting(const char* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_WHEEL, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                             sizeof value),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void DeleteWheelSettings() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, KB_REG_WHEEL); }

// As the mouse settings pages announce a change.
void BroadcastSettingsChange() {
    DWORD_PTR result;
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_NORMAL, 5000, &result);
}

void InjectWheel(int delta) { Inject(MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta)); }

void InjectButtons(DWORD flags) { Inject(flags, 0); }

void InjectMoveTo(int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    Inject(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, (x * 65536 + width / 2) / width,
           (y * 65536 + height / 2) / height);
}

void PumpFor(DWORD ms) { fixtures::PumpFor(ms, Record); }

bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms) {
    if (!fixtures::PumpUntil(done, timeout_ms, Record)) return false;
    PumpFor(150);
    return true;
}

const std::vector<Posted>& Seen() { return g_seen; }

DWORD RunPeer(const std::string& arguments) {
    return fixtures::RunProgram("\"" + winsupport::BuildFile("wheelhook_peer.exe") + "\" " + arguments, 30000);
}

std::string TempPath() {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    return std::string(temp, length < sizeof temp ? length : 0);
}

HWND CreateTargetWindow(int x, int y, int width, int height) {
    static const char kTargetClass[] = "WHEELTESTTARGET";
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kTargetClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, kTargetClass, "target", WS_POPUP | WS_VISIBLE, x, y, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool SawMessage(HWND window, UINT message) {
    for (const Posted& p : g_seen)
        if (p.window == window && p.message == message) return true;
    return false;
}

HWND ZoomWindow() { return FindWindowA(KB_CLASS_ZOOM, "OVMSZOOM Window"); }

void WriteBaselineSettings() {
    WriteWheelSetting(KB_VAL_SCROLL_MODE, 0);
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 1);
    WriteWheelSetting(KB_VAL_SCROLL_REVERSE, 0);
    WriteWheelSetting(KB_VAL_WHEEL_BUTTON, 1);
    WriteWheelSetting(KB_VAL_ZOOM_SIZE, 96);
    WriteWheelSetting(KB_VAL_ZOOM_FACTOR, 2);
    WriteWheelSetting(KB_VAL_FUNCTION, 0);
}

void WheelHookTest::SetUp() {
    DeleteWheelSettings();
    WriteBaselineSettings();
    RegisterFrameClass();
    frame_ = CreateWindowExA(0, kFrameClass, "wheel test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                             100, 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr) << "CreateWindowExA (is there a display?), error " << GetLastError();
    list_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER, 10,
                            10, 200, 150, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list_, nullptr);
    for (int i = 0; i < 100; ++i) SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    SetForegroundWindow(frame_);
    SetFocus(list_);
    PumpFor(50);
    ASSERT_EQ(GetForegroundWindow(), frame_);
    ASSERT_EQ(GetFocus(), list_);
    ClearSeen();
}

void WheelHookTest::TearDown() {
    marker_.Remove();
    if (installed_) InstallMouseFilter(0, nullptr);
    installed_ = false;
    if (frame_) DestroyWindow(frame_);
    DeleteWheelSettings();
    PumpFor(20);
}

void WheelHookTest::Install() {
    HWND windows[10] = {frame_};
    ASSERT_NE(InstallMouseFilter(1, windows), 0) << "all three hooks are set";
    installed_ = true;
    ASSERT_TRUE(marker_.Install(list_));
}

std::vector<Posted> WheelHookTest::ScrollPosts() const {
    std::vector<Posted> posts;
    for (const Posted& p : g_seen)
        if (p.window == list_ && (p.message == WM_VSCROLL || p.message == WM_HSCROLL))
            posts.push_back(p);
    return posts;
}

std::vector<Posted> WheelHookTest::ScrollPostsAfterNotch(int delta) {
    ClearSeen();
    InjectWheel(delta);
    EXPECT_TRUE(WaitForMarker()) << "the notch never went through the hooks";
    return ScrollPosts();
}

bool WheelHookTest::PostMarkerAndWait() {
    return PostMessageA(list_, kWheelMarker, 0, 0) && WaitForMarker();
}

bool WheelHookTest::WaitForMarker() {
    return PumpUntil([&] { return SawMessage(list_, kWheelMarker); });
}

void WheelHookTest::ClearSeen() { g_seen.clear(); }

}  // namespace wheeltest
