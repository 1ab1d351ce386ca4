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

// Removal deletes the picture, so an open zoom closes with it; closed for good, so that the
// next install's first press opens the zoom again rather than closing it.
TEST_F(ZoomTest, RemovingTheHooksClosesAnOpenZoom) {
    OpenAtCursor();
    ASSERT_TRUE(IsWindowVisible(ZoomWindow()));
    ASSERT_NE(InstallMouseFilter(0, nullptr), 0);
    installed_ = false;
    EXPECT_FALSE(IsWindowVisible(ZoomWindow()));

    Install();
    OpenAtCursor();
    EXPECT_TRUE(IsWindowVisible(ZoomWindow()));
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
            if (p.window == list_ && p.message == WM_KEYDOWN && p.wparam == VK_RETURN) return true;
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

std::string LaunchedProgram() { return winsupport::BuildFile("wheelhook_launched.exe"); }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The launch runs in this process, from the zoom window, with the command the registry names.
class LaunchTest : public FunctionTest {
protected:
    void TearDown() override {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, KB_REG_APP_PATH_NETSCAPE);
        FunctionTest::TearDown();
    }
    // Stores the first `size` bytes of `value` as the Netscape App Paths entry.
    void StoreNetscapeCommand(const std::string& value, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_APP_PATH_NETSCAPE, 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, nullptr, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    // Presses the wheel button on the launch row; true once `marker` exists.
    bool LaunchCreates(const std::string& marker) {
        UseFunction(30);
        PressWheelButton();
        return PumpUntil([&] { return Exists(marker); }, 15000);
    }
};

// A command that has the launched program create a file, padded with the file's name to `length`.
std::string TouchCommand(const std::string& name, size_t length) {
    std::string command = "\"" + LaunchedProgram() + "\" touch " + TempPath() + name;
    if (command.size() < length) command.append(length - command.size(), 'a');
    return command;
}

// What the launched program creates when it runs `command`: the file named after "touch ".
std::string MarkerOf(const std::string& command) {
    return command.substr(command.find(" touch ") + 7);
}

TEST_F(LaunchTest, LaunchRowRunsTheRegisteredProgram) {
    const std::string command = TouchCommand("wheelhook_launch.txt", 0);
    DeleteFileA(MarkerOf(command).c_str());
    StoreNetscapeCommand(command, static_cast<DWORD>(command.size()) + 1);
    EXPECT_TRUE(LaunchCreates(MarkerOf(command)));
    DeleteFileA(MarkerOf(command).c_str());
}

// The command buffer holds 128 bytes: a value of that size or longer runs as its first 127
// characters, never past the buffer, whether or not it was stored with its NUL.
TEST_F(LaunchTest, LongAppPathsValueIsCutToTheBuffer) {
    constexpr size_t kBuffer = 128;
    struct Case {
        const char* what;
        std::string value;
        DWORD size;
    };
    const std::string fits = TouchCommand("wheelhook_fits_", kBuffer - 1);
    const std::string bare = TouchCommand("wheelhook_bare_", kBuffer);
    const std::string longer = TouchCommand("wheelhook_long_", 200);
    ASSERT_LT(TouchCommand("wheelhook_long_", 0).size(), kBuffer - 1)
        << "the build path leaves no room for the cut to fall in the file name";
    const Case cases[] = {
        {"127 characters and the NUL", fits, kBuffer},
        {"128 characters without a NUL", bare, kBuffer},
        {"200 characters", longer, 201},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string run = c.value.substr(0, kBuffer - 1);
        DeleteFileA(MarkerOf(run).c_str());
        DeleteFileA(MarkerOf(c.value).c_str());
        StoreNetscapeCommand(c.value, c.size);
        EXPECT_TRUE(LaunchCreates(MarkerOf(run)));
        if (run != c.value) {
            EXPECT_EQ(GetFileAttributesA(MarkerOf(c.value).c_str()), INVALID_FILE_ATTRIBUTES);
        }
        DeleteFileA(MarkerOf(run).c_str());
    }
}

// The launch runs on the thread that serves the low-level mouse hook: it must not wait there
// for the started program to be ready for input. This one is not ready until this thread has
// seen it start and let it go, and gives up after 20 s.
TEST_F(LaunchTest, TheLaunchDoesNotWaitForTheProgramToBeReady) {
    const std::string started = TempPath() + "kbbusy.started";
    const std::string result = TempPath() + "kbbusy.result";
    DeleteFileA(started.c_str());
    DeleteFileA(result.c_str());
    HANDLE go = CreateEventA(nullptr, TRUE, FALSE, "kbbusy");
    ASSERT_NE(go, nullptr);
    const std::string command = "\"" + LaunchedProgram() + "\" busy kbbusy";
    StoreNetscapeCommand(command, static_cast<DWORD>(command.size()) + 1);
    ASSERT_TRUE(LaunchCreates(started));
    SetEvent(go);
    EXPECT_TRUE(PumpUntil([&] { return Exists(result); }, 30000));
    char text[16] = {};
    HANDLE file = CreateFileA(result.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD read = 0;
    if (file != INVALID_HANDLE_VALUE) ReadFile(file, text, sizeof text - 1, &read, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    EXPECT_STREQ(text, "released") << "the launch held this thread until the program gave up";
    CloseHandle(go);
    DeleteFileA(started.c_str());
    DeleteFileA(result.c_str());
}

// An application path is registered unquoted, spaces and all; run as it stands, the platform
// would start "...\\kb.exe" with the rest as its arguments.
TEST_F(LaunchTest, AnUnquotedRegisteredPathRunsThatProgramAndNoOtherBeforeItsSpace) {
    ASSERT_EQ(TempPath().find(' '), std::string::npos) << "the trap below needs a folder without spaces";
    const std::string folder = TempPath() + "kb wheel\\";
    const std::string program = folder + "launched.exe";
    const std::string trap = TempPath() + "kb.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(LaunchedProgram().c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(LaunchedProgram().c_str(), trap.c_str(), FALSE));
    DeleteFileA((program + ".ran").c_str());
    StoreNetscapeCommand(program, static_cast<DWORD>(program.size()) + 1);
    EXPECT_TRUE(LaunchCreates(program + ".ran"));
    for (const std::string& file : {program + ".ran", program, trap}) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace wheeltest
