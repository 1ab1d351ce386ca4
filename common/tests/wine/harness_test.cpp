// The Wine side of the harness does real work: windows get created on the virtual display and
// run their own message loop, the registry keeps what is written to HKEY_LOCAL_MACHINE, and
// the shared control codes agree with the platform's CTL_CODE.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "common/control_interface.h"
#include "common/private_messages.h"

static_assert(IOCTL_GET_RF_DATA == CTL_CODE(FILE_DEVICE_UNKNOWN, 0x800, METHOD_BUFFERED, FILE_ANY_ACCESS), "");
static_assert(IOCTL_SET_LOCK == CTL_CODE(FILE_DEVICE_UNKNOWN, 0x801, METHOD_BUFFERED, FILE_ANY_ACCESS), "");
static_assert(IOCTL_DISABLE_KEYS == CTL_CODE(FILE_DEVICE_UNKNOWN, 0x802, METHOD_BUFFERED, FILE_ANY_ACCESS), "");
static_assert(IOCTL_SET_MODE == CTL_CODE(FILE_DEVICE_UNKNOWN, 0x803, METHOD_BUFFERED, FILE_ANY_ACCESS), "");

namespace {

struct Received {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
Received g_received;

LRESULT CALLBACK ProbeWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TRAY_BATTERY) {
        g_received = {message, wParam, lParam};
        PostQuitMessage(7);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WineHarness, PrivateMessageGoesThroughTheWindowsOwnLoop) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ProbeWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KBHARNESSPROBE";
    ATOM atom = RegisterClassA(&wc);
    ASSERT_NE(atom, 0) << "RegisterClassA, error " << GetLastError();

    HWND window = CreateWindowExA(0, "KBHARNESSPROBE", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr) << "CreateWindowExA (is there a display?), error " << GetLastError();
    EXPECT_EQ(FindWindowA("KBHARNESSPROBE", nullptr), window);

    ASSERT_TRUE(PostMessageA(window, WM_TRAY_BATTERY, 0x24, 0x55));
    SetTimer(window, 1, 5000, nullptr);  // a lost message ends the loop instead of hanging it
    MSG msg;
    int exit_code = -1;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER) break;
        DispatchMessageA(&msg);
    }
    if (msg.message == WM_QUIT) exit_code = static_cast<int>(msg.wParam);

    EXPECT_EQ(exit_code, 7);
    EXPECT_EQ(g_received.message, WM_TRAY_BATTERY);
    EXPECT_EQ(g_received.wParam, 0x24u);
    EXPECT_EQ(g_received.lParam, 0x55);
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA("KBHARNESSPROBE", wc.hInstance));
}

TEST(WineHarness, LocalMachineRegistryKeepsDwordAndText) {
    const char* path = "Software\\KbHarnessProbe";
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    DWORD number = 0xC0FFEE;
    const char text[] = "Control.exe skyrel.cpl";
    ASSERT_EQ(RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text),
              ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD read_number = 0, type = 0, size = 4;
    EXPECT_EQ(RegQueryValueExA(key, "Number", nullptr, &type, reinterpret_cast<BYTE*>(&read_number), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(read_number, number);
    char read_text[128] = {};
    size = sizeof read_text;
    EXPECT_EQ(RegQueryValueExA(key, "Text", nullptr, &type, reinterpret_cast<BYTE*>(read_text), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof text) << "a text is stored with its terminating NUL";
    EXPECT_STREQ(read_text, text);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, path), ERROR_SUCCESS);
}

}  // namespace
