// The wheel button: the zoom window in zoom mode, the assigned function otherwise.
#include "wheelhook/tests/wine/hook_fixture.h"

#include <string>

#include "common/registry_names.h"
#include "tools/winsupport/build_files.h"
#include "wheelhook/wheelhook.h"

namespace wheeltest {
namespace {

using WheelButtonTest = WheelHookTest;

bool ZoomAt(int left, int top, int right, int bottom) {
    RECT rect;
    if (!IsWindowVisible(ZoomWindow()) || !GetWindowRect(ZoomWindow(), &rect)) return false;
    return rect.left == left && rect.top == top && rect.right == right && rect.bottom == bottom;
}

void ExpectZoomAt(int left, int top, int right, int bottom) {
    RECT rect = {};
    GetWindowRect(ZoomWindow(), &rect);
    EXPECT_TRUE(IsWindowVisible(ZoomWindow()));
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right, right);
    EXPECT_EQ(rect.bottom, bottom);
}

constexpr COLORREF kRed = RGB(255, 0, 0);

HWND CreateRedWindow(int x, int y, int width, int height) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(kRed);  // the class keeps it for the test program's life
    wc.lpszClassName = "WHEELTESTRED";
    if (!RegisterClassA(&wc)) DeleteObject(wc.hbrBackground);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP, x, y, width,
                                  height, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    return window;
}

COLORREF ZoomPixel(int x, int y) {
    HWND zoom = ZoomWindow();
    InvalidateRect(zoom, nullptr, FALSE);
    UpdateWindow(zoom);
    HDC dc = GetDC(zoom);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(zoom, dc);
    return colour;
}

class ZoomTest : public WheelButtonTest {
protected:
    void SetUp() override {
        WheelButtonTest::SetUp();
        WriteWheelSetting(KB_VAL_WHEEL_BUTTON, 0);
        Install();
        ASSERT_NE(ZoomWindow(), nullptr);
        EXPECT_FALSE(IsWindowVisible(ZoomWindow())) << "created hidden";
        target_ = CreateTargetWindow(420, 320, 200, 200);
        ASSERT_NE(target_, nullptr);
        SetCursorPos(500, 400);
        PumpFor(50);
        ClearSeen();
    }
    void TearDown() override {
        if (target_) DestroyWindow(target_);
        WheelButtonTest::TearDown();
    }
    void OpenAtCursor() {
        InjectButtons(MOUSEEVENTF_MIDDLEDOWN);
        PumpUntil([] { return IsWindowVisible(ZoomWindow()) != FALSE; });
        InjectButtons(MOUSEEVENTF_MIDDLEUP);
        PumpFor(50);
    }
    HWND target_ = nullptr;
};

TEST_F(ZoomTest, WheelButtonOpensTheZoomCentredOnThePointer) {
    // Red just around the pointer: the magnified square (476, 376) to (524, 424) lies inside.
    HWND red = CreateRedWindow(470, 370, 60, 60);
    PumpFor(50);
    OpenAtCursor();
    ExpectZoomAt(452, 352, 548, 448);
    EXPECT_FALSE(SawMessage(target_, WM_MBUTTONDOWN)) << "the press is consumed";

    DestroyWindow(red);
    PumpFor(50);
    EXPECT_EQ(ZoomPixel(2, 2), kRed) << "the frozen picture, magnified to the whole window";
    EXPECT_EQ(ZoomPixel(90, 90), kRed);

    InjectMoveTo(600, 300);
    EXPECT_TRUE(PumpUntil([] { return ZoomAt(552, 252, 648, 348); })) << "follows the pointer";
}

TEST_F(ZoomTest, LeftClickClosesTheZoomAndGoesNoFurther) {
    OpenAtCursor();
    ASSERT_TRUE(IsWindowVisible(ZoomWindow()));
    ClearSeen();
    InjectButtons(MOUSEEVENTF_LEFTDOWN);
    InjectButtons(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(ZoomWindow()); }));
    EXPECT_FALSE(SawMessage(target_, WM_LBUTTONDOWN));

    // With the zoom closed the same click reaches the window below.
    ClearSeen();
    InjectButtons(MOUSEEVENTF_LEFTDOWN);
    InjectButtons(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return SawMessage(target_, WM_LBUTTONDOWN); }));
}

TEST_F(ZoomTest, SecondWheelButtonPressClosesTheZoom) {
    OpenAtCursor();
    ASSERT_TRUE(IsWindowVisible(ZoomWindow()));
    InjectButtons(MOUSEEVENTF_MIDDLEDOWN);
    InjectButtons(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(ZoomWindow()); }));
}

TEST_F(ZoomTest, ZoomNearTheTopLeftCornerShowsTheCornerMagnified) {
    HWND red = CreateRedWindow(0, 0, 30, 30);
    SetCursorPos(5, 5);
    PumpFor(50);
    OpenAtCursor();
    ExpectZoomAt(-43, -43, 53, 53);
    DestroyWindow(red);
    // Client (60, 60) is on the screen at (18, 18) and shows the picture at about (11, 11).
    EXPECT_EQ(ZoomPixel(60, 60), kRed);
}

class FunctionTest : public WheelButtonTest {
protected:
    void UseFunction(DWORD row) {
        WriteWheelSetting(KB_VAL_WHEEL_BUTTON, 2);
        WriteWheelSetting(KB_VAL_FUNCTION, row);
        Install();
        SetCursorPos(400, 300);  // over the frame, beside the list box
        PumpFor(30);
        ClearSeen();
    }
    void PressWheelButton() {
        InjectButtons(MOUSEEVENTF_MIDDLEDOWN);
        InjectButtons(MOUSEEVENTF_MIDDLEUP);
    }
};

// Row 0, and stored values outside the table, which act as row 0.
TEST_F(FunctionTest, UnassignedPressIsSwallowedAndTheReleaseIsNot) {
    for (DWORD row : {0ul, 31ul, 40ul, 0xFFFFFFFFul}) {
        SCOPED_TRACE(row);
        UseFunction(row);
        PressWheelButton();
        EXPECT_TRUE(PumpUntil([&] { return SawMessage(frame_, WM_MBUTTONUP); }));
        EXPECT_FALSE(SawMessage(frame_, WM_MBUTTONDOWN));
    }
}

TEST_F(FunctionTest, MinimizeRowMinimisesTheForegroundWindow) {
    UseFunction(20);
    PressWheelButton();
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(frame_) != FALSE; }));
}

TEST_F(FunctionTest, EnterRowPressesEnterInTheFocusWindow) {
    UseFunction(5);
    PressWheelButton();
    EXPECT_TRUE(PumpUntil([&] {
        for (const Posted& p : Seen())
            if (p.window == list_ && p.message == WM_KEYDOWN && p.wParam == VK_RETURN) return true;
        return false;
    }));
}

TEST_F(FunctionTest, DoubleClickRowDoubleClicksUnderThePointer) {
    HWND target = CreateTargetWindow(600, 500, 100, 100);
    ASSERT_NE(target, nullptr);
    UseFunction(4);
    SetCursorPos(650, 550);
    PumpFor(30);
    PressWheelButton();
    EXPECT_TRUE(PumpUntil([&] { return SawMessage(target, WM_LBUTTONDBLCLK); }));
    DestroyWindow(target);
}

// The launch runs in this process, from the zoom window, with the command the registry names.
TEST_F(FunctionTest, LaunchRowRunsTheRegisteredProgram) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string marker = std::string(temp) + "wheelhook_launch.txt";
    DeleteFileA(marker.c_str());
    const std::string command = "\"" + winsupport::BuildFile("wheelhook_peer.exe") + "\" touch " + marker;
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_APP_PATH_NETSCAPE, 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);

    UseFunction(30);
    PressWheelButton();
    const bool ran = PumpUntil(
        [&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, KB_REG_APP_PATH_NETSCAPE);
    DeleteFileA(marker.c_str());
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace wheeltest
