// The real trayicon.dll loaded into the test process, its tray window created on the test
// thread. What the DLL asks of the notification area and which programs it starts are seen by
// replacing the Shell_NotifyIconA and CreateProcessA entries of the loaded DLL's import table
// (shell_recorder.h): the DLL is the one that ships, untouched on disk. The tray window runs
// on this thread, so the tests pump its messages themselves.
#pragma once

#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "tools/fixtures/message_pump.h"
#include "tools/winetest/test_support.h"
#include "trayicon/tests/wine/icon_pixels.h"
#include "trayicon/tests/wine/shell_recorder.h"

namespace tray_test {

using InitFunction = HWND(WINAPI*)();
using ExitFunction = BOOL(WINAPI*)();

constexpr DWORD kGiveUpMs = winetest::SLOW_WAIT_LIMIT_MS;

// The notification icons and the window's timer, by their numbers.
constexpr UINT kRadioIcon = 100;
constexpr UINT kLockIcon = 103;
constexpr UINT_PTR kBlinkTimer = 100;

// The first form of NOTIFYICONDATAA, which every supported Windows takes: a 64-byte tooltip
// after the window, id, flags, message and icon (88 bytes on i686; 104 with x86_64's 8-byte
// handles and their alignment).
#ifdef _WIN64
constexpr DWORD kFirstFormSize = 104;
#else
constexpr DWORD kFirstFormSize = 88;
#endif

// Every icon resource the tray shows.
extern const std::vector<unsigned> kTrayIcons;

struct Pumped {
    bool quit = false;
    WPARAM quit_code = 0;
};

// Remembers a WM_QUIT among the messages pumped.
fixtures::MessageSeen RememberQuit(Pumped& pumped);

// Dispatches what is queued now (posted messages, and a timer that is due), remembering a
// WM_QUIT.
void PumpQueued(Pumped& pumped);

// The recorded calls with `message` for icon `id`, from the `from`th call on.
std::vector<NotifyCall> CallsFor(DWORD message, UINT id, size_t from = 0);

class TrayWindow : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Posts a message to the tray window and dispatches it.
    void Post(UINT message, WPARAM wparam, LPARAM lparam = 0);

    HMODULE dll_ = nullptr;
    IconCatalog* catalog_ = nullptr;
    InitFunction init_ = nullptr;
    ExitFunction exit_ = nullptr;
    HWND window_ = nullptr;
    Pumped pumped_;
};

}  // namespace tray_test
