// The popup of the real keyagent.exe as the screen shows it: its picture, volume bar and
// caption, its place and display time, and the Print Screen notice it opens.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "agent/logic/agent_ids.h"
#include "agent/logic/popup_content.h"
#include "agent/logic/popup_layout.h"
#include "agent/logic/popup_resources.h"
#include "agent/tests/wine/popup_agent.h"
#include "agent/tests/wine/registry_values.h"
#include "agent/win32/print_screen_ids.h"
#include "common/hotkey_codes.h"
#include "common/registry_names.h"
#include "tools/capture/window_capture.h"
#include "tools/fixtures/message_pump.h"
#include "tools/fixtures/popup_reading.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

using agenttest::PopupAgent;
using popupread::PixelsDiffering;

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kLightGrey = 0xC0C0C0;
constexpr int kVolumeUpIndex = 6;
constexpr int kMuteIndex = 4;

// The picture the agent's own resources hold for `index` of a strip.
capture::Pixels StripPicture(int strip, int index) {
    HMODULE agent = LoadLibraryExA(winsupport::BuildFile("keyagent.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    capture::Pixels picture;
    if (!agent) return picture;
    auto bitmap = static_cast<HBITMAP>(LoadImageA(agent, MAKEINTRESOURCEA(strip), IMAGE_BITMAP, 0, 0, 0));
    const capture::Pixels whole = capture::PixelsOf(bitmap);
    if (bitmap) DeleteObject(bitmap);
    FreeLibrary(agent);
    if (whole.width < kPopupPictureSize * (index + 1)) return picture;
    picture.width = picture.height = kPopupPictureSize;
    for (int y = 0; y < kPopupPictureSize; ++y) {
        for (int x = 0; x < kPopupPictureSize; ++x) picture.rgb.push_back(whole.At(kPopupPictureSize * index + x, y));
    }
    return picture;
}

class Popup : public testing::Test {
protected:
    void SetUp() override {
        agenttest::WriteDisplaySettings(5);
        for (const char* name : {KB_VAL_PRTSCR, KB_VAL_CAPS_LOCK, KB_VAL_LEFT_WINDOW, KB_VAL_RIGHT_WINDOW,
                                 KB_VAL_APPLICATION}) {
            agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, name, 0);
        }
        // The CD Player, which this prefix doesn't have, drives the media keys.
        agenttest::SetNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, 0);
        ASSERT_TRUE(agent_.Start());
    }

    // The popup after one volume key from the keyboard reader, the volume set first.
    void Press(uint32_t volume, WPARAM code) {
        EXPECT_TRUE(agent_.SetVolumeExactly(volume)) << volume;
        agent_.PostKeyCode(code);
        EXPECT_TRUE(agent_.WaitForPopupPainted());
    }
    capture::Pixels ShowVolume(uint32_t volume, WPARAM code) {
        Press(volume, code);
        return Settled();
    }

    // The popup's client area, settled, the test's tray served while it waits.
    capture::Pixels Settled() {
        return capture::CaptureClientSettled(agent_.popup(), [&] { fixtures::PumpFor(50); });
    }

    PopupRect Client() const { return popupread::ClientOf(agent_.popup()); }
    int SegmentsShown(const capture::Pixels& shot) { return popupread::SegmentsShown(shot, Client()); }
    // Pixels of the text area that differ from `caption` as the popup would write it.
    int CaptionDiffering(const capture::Pixels& shot, const char* caption) {
        return popupread::CaptionDiffering(shot, Client(), caption);
    }

    // The settings pages' way to say they wrote: the popup reloads.
    void Reload() { SendMessageA(agent_.popup(), WM_WININICHANGE, 0, 0); }

    // How long after `start` the popup hid; 0 when it never hid within the limit.
    DWORD HiddenAfter(DWORD start) {
        if (!fixtures::PumpUntil([&] { return !IsWindowVisible(agent_.popup()); }, winetest::SLOW_WAIT_LIMIT_MS)) {
            return 0;
        }
        return GetTickCount() - start;
    }

    PopupAgent agent_;
};

TEST_F(Popup, TheVolumeBarFillsOneSegmentPer2048) {
    const capture::Pixels full = ShowVolume(0xFC00, HK_VOLUME_UP);
    const PopupRect bar = VolumeBarRect(Client());
    EXPECT_EQ(PixelsDiffering(full, StripPicture(KB_IDB_POPUP_MEDIA, kVolumeUpIndex), 2, 2, 26, 26), 0)
        << "the picture of \"Vol +\" at 2,2";
    EXPECT_EQ(full.At(bar.left, bar.top), kBlack);
    EXPECT_EQ(full.At(bar.right - 2, bar.bottom - 2), kBlack);
    EXPECT_EQ(full.At(bar.right, bar.top), kLightGrey) << "the bar ends 3 pixels from the edge";
    EXPECT_EQ(SegmentsShown(full), kVolumeBarSegmentCount);
    EXPECT_EQ(full.At(bar.right - 2, 15), kGreen) << "32 segments reach the bar's end";

    EXPECT_EQ(SegmentsShown(ShowVolume(1022, HK_VOLUME_UP)), 0) << "2046";
    EXPECT_EQ(SegmentsShown(ShowVolume(1023, HK_VOLUME_UP)), 1) << "2047";
}

TEST_F(Popup, MuteShowsItsCaptionBesideItsPicture) {
    agent_.PostKeyCode(HK_MUTE);
    ASSERT_TRUE(agent_.WaitForPopupPainted());
    const capture::Pixels shot = Settled();
    EXPECT_EQ(PixelsDiffering(shot, StripPicture(KB_IDB_POPUP_MEDIA, kMuteIndex), 2, 2, 26, 26), 0);
    EXPECT_EQ(CaptionDiffering(shot, "Mute"), 0);
    EXPECT_NE(CaptionDiffering(shot, "Vol +"), 0) << "the comparison tells captions apart";
}

TEST_F(Popup, ShowsOnTopInTheLowerLeftWithoutTakingTheFocus) {
    HWND own = CreateWindowExA(0, "Static", "foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 100, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(own);
    fixtures::PumpUntil([&] { return GetForegroundWindow() == own; }, winetest::WAIT_LIMIT_MS);
    const HWND before = GetForegroundWindow();
    ShowVolume(0x8000, HK_VOLUME_UP);
    RECT place;
    GetWindowRect(agent_.popup(), &place);
    EXPECT_EQ(place.left, 8);
    EXPECT_EQ(place.top, GetSystemMetrics(SM_CYMAXIMIZED) - 80);
    EXPECT_EQ(place.right - place.left, kPopupWidth);
    EXPECT_TRUE(GetWindowLongA(agent_.popup(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetForegroundWindow(), before);
    DestroyWindow(own);
}

// The display time is the one the settings' list names: position 0 is half a second, 1 one
// second. Lower bounds only are tight; the upper ones leave room for a loaded machine.
TEST_F(Popup, StaysForTheTimeTheListNames) {
    agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, 1);
    Reload();
    DWORD start = GetTickCount();
    Press(0x8000, HK_MUTE);
    const DWORD one_second = HiddenAfter(start);
    EXPECT_GE(one_second, 850u);
    EXPECT_LT(one_second, 10000u);
    agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, 0);
    Reload();
    start = GetTickCount();
    Press(0x8000, HK_MUTE);
    const DWORD half_second = HiddenAfter(start);
    EXPECT_GE(half_second, 350u) << "position 0 is half a second, not gone at the first tick";
    EXPECT_GT(half_second, 0u);
}

// Two seconds, so that a slow machine still presses the second key while the popup is up.
TEST_F(Popup, AHotKeyWhileShownRestartsTheTimeWithoutHiding) {
    agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, 2);
    Reload();
    Press(0x8000, HK_MUTE);
    fixtures::PumpFor(600);
    ASSERT_TRUE(IsWindowVisible(agent_.popup()));
    const DWORD again = GetTickCount();
    agent_.PostKeyCode(HK_VOLUME_UP);
    ASSERT_TRUE(agent_.WaitForPopupPainted());
    EXPECT_GE(HiddenAfter(again), 1850u) << "the second key's full two seconds";
    ASSERT_FALSE(agent_.LoggedLevels().empty()) << "content replaced by the bar";
}

// The notice once it is ready to be looked at. Its window is there before its check box is,
// and before its initialisation has set the box; it shows only after that, as its modal loop
// first runs out of messages.
HWND FindNotice(agenttest::TestTray& tray) {
    HWND notice = nullptr;
    fixtures::PumpUntil(
        [&] { return (notice = FindWindowA("#32770", "Print Screen")) != nullptr && IsWindowVisible(notice); },
        winetest::SLOW_WAIT_LIMIT_MS);
    return notice;
}

TEST_F(Popup, ThePrintScreenNoticeOpensOnlyWhenAskedForAndSavesTheOptions) {
    PostMessageA(agent_.popup(), WM_COMMAND, KB_IDM_PRTSCR_NOTICE, 0);
    // The probe's report comes after the command was handled: a notice would be there by then.
    agent_.Read();
    EXPECT_EQ(FindWindowA("#32770", "Print Screen"), nullptr) << "\"PrtScr\" 0: no notice";

    const uint32_t held[] = {1, 0, 1, 1};
    const char* const disable_names[] = {KB_VAL_CAPS_LOCK, KB_VAL_LEFT_WINDOW, KB_VAL_RIGHT_WINDOW,
                                         KB_VAL_APPLICATION};
    agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_PRTSCR, 1);
    for (int i = 0; i < 4; ++i) agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, disable_names[i], held[i]);
    Reload();
    // Changed behind the agent's back: closing the notice writes what the agent holds.
    for (const char* name : disable_names) agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, name, 7);

    PostMessageA(agent_.popup(), WM_COMMAND, KB_IDM_PRTSCR_NOTICE, 0);
    HWND notice = FindNotice(agent_.tray());
    ASSERT_NE(notice, nullptr);
    HWND box = GetDlgItem(notice, KB_IDC_SHOW_PRTSCR);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    PostMessageA(notice, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(notice, WM_KEYUP, VK_ESCAPE, 0);
    SendMessageA(notice, WM_COMMAND, IDCANCEL, 0);
    // The notice's own loop serves the probe too, after the keys posted before it.
    agent_.Read();
    EXPECT_TRUE(IsWindow(notice)) << "Escape leaves the notice open";

    SendMessageA(box, BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(notice, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return !IsWindow(notice); }, winetest::SLOW_WAIT_LIMIT_MS));
    uint32_t value = 0xDEAD;
    EXPECT_TRUE(agenttest::ReadNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_PRTSCR, &value));
    EXPECT_EQ(value, 0u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(agenttest::ReadNumber(KB_REG_KEYBOARD_OPTION, disable_names[i], &value));
        EXPECT_EQ(value, held[i]) << disable_names[i];
    }
}

// With no CD Player anywhere, the key says so instead of confirming itself.
TEST_F(Popup, AMediaKeyWhosePlayerIsNowhereSaysSo) {
    agent_.PostKeyCode(HK_MEDIA_PLAY);
    ASSERT_TRUE(agent_.WaitForPopupPainted());
    const capture::Pixels shot = Settled();
    EXPECT_EQ(CaptionDiffering(shot, "Media Player not found"), 0);
    EXPECT_EQ(PixelsDiffering(shot, StripPicture(KB_IDB_POPUP_MEDIA, 0), 2, 2, 26, 26), 0);
}

// The notices of the agent's process; those still open when `close` are closed with their Close
// button, the newest first. A notice counts from its making on: one opened inside another's
// loop shows only when that loop first runs out of messages, and the outer ones only later.
int NoticesOpen(DWORD process, bool close = false) {
    std::vector<HWND> notices;
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", "Print Screen"); window;
         window = FindWindowExA(nullptr, window, "#32770", "Print Screen")) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process) notices.push_back(window);
    }
    if (close) {
        for (HWND notice : notices) PostMessageA(notice, WM_COMMAND, IDOK, 0);
    }
    return static_cast<int>(notices.size());
}

// Print Screen pressed again while the notice is open: the notice stays the only one.
TEST_F(Popup, ThePrintScreenNoticeOpensOnceAtATime) {
    agenttest::SetNumber(KB_REG_KEYBOARD_OPTION, KB_VAL_PRTSCR, 1);
    Reload();
    for (int press = 0; press < 3; ++press) PostMessageA(agent_.popup(), WM_COMMAND, KB_IDM_PRTSCR_NOTICE, 0);
    agent_.Read();
    DWORD process = 0;
    GetWindowThreadProcessId(agent_.popup(), &process);
    EXPECT_EQ(NoticesOpen(process, true), 1);
    agent_.Read();
    EXPECT_EQ(NoticesOpen(process), 0);
}

// The popup's states for the contact sheet (`make art`): build/<world>/captures/popup_*.png.
using PopupScreenshots = Popup;

TEST_F(PopupScreenshots, VolumeAndMute) {
    const std::string folder = winsupport::BuildDir() + "..\\captures\\";
    std::string error;
    EXPECT_TRUE(capture::WritePng(ShowVolume(0xFC00, HK_VOLUME_UP), folder + "popup_volume_full.png", error)) << error;
    EXPECT_TRUE(capture::WritePng(ShowVolume(0x4000, HK_VOLUME_DOWN), folder + "popup_volume_half.png", error)) << error;
    EXPECT_TRUE(capture::WritePng(ShowVolume(0x4000, HK_MUTE), folder + "popup_mute.png", error)) << error;
}

// A window of an outside application's class, made by the test, so that the key finds it.
class OutsideWindow {
public:
    explicit OutsideWindow(const char* window_class) {
        WNDCLASSA description = {};
        description.lpfnWndProc = DefWindowProcA;
        description.hInstance = GetModuleHandleA(nullptr);
        description.lpszClassName = window_class;
        RegisterClassA(&description);
        window_ = CreateWindowExA(0, window_class, window_class, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 100, 200, 100,
                                  nullptr, nullptr, description.hInstance, nullptr);
    }
    ~OutsideWindow() { DestroyWindow(window_); }
    HWND window() const { return window_; }

private:
    HWND window_;
};

// Every group's picture and caption, reached through the browser, program and Office actions.
// Each key is chosen so that it starts nothing: a browser window of the test's own, modes
// that do nothing (the caption of My Computer mode 2 is that of every mode above 1), an Office
// window of the test's own, and Excel, which this prefix doesn't have.
TEST_F(PopupScreenshots, EveryGroupsCaption) {
    agenttest::SetNumber(KB_REG_KEYBOARD_SEARCH, KB_VAL_VALUE, 2);
    agenttest::SetNumber(KB_REG_KEYBOARD_MAIL, KB_VAL_VALUE, 2);
    agenttest::SetNumber(KB_REG_KEYBOARD_MY_COMPUTER, KB_VAL_VALUE, 3);
    agenttest::SetNumber(KB_REG_KEYBOARD_CALCULATOR, KB_VAL_VALUE, 2);
    Reload();
    OutsideWindow browser("IEFrame");
    OutsideWindow word("OpusApp");
    SetForegroundWindow(browser.window());
    struct Case {
        WPARAM code;
        int strip;
        int index;
        const char* caption;
        const char* file;
    };
    const Case cases[] = {
        {HK_WWW_STOP, KB_IDB_POPUP_WEB, 2, "Stop", "popup_web_stop"},
        {HK_SEARCH, KB_IDB_POPUP_PROGRAM, 0, "Search Internet", "popup_program_search"},
        {HK_MAIL, KB_IDB_POPUP_PROGRAM, 1, "Mail", "popup_program_mail"},
        {HK_MY_COMPUTER, KB_IDB_POPUP_PROGRAM, 2, "Windows Explorer", "popup_program_explorer"},
        {HK_CALCULATOR, KB_IDB_POPUP_PROGRAM, 3, "Calculator", "popup_program_calculator"},
        {HK_WORD, KB_IDB_POPUP_OFFICE, 0, "Word", "popup_office_word"},
        {HK_EXCEL, KB_IDB_POPUP_OFFICE, 1, "Excel not found", "popup_office_excel_missing"},
    };
    const std::string folder = winsupport::BuildDir() + "..\\captures\\";
    for (const Case& one : cases) {
        agent_.PostKeyCode(one.code);
        ASSERT_TRUE(agent_.WaitForPopupPainted()) << one.caption;
        const capture::Pixels shot = Settled();
        EXPECT_EQ(PixelsDiffering(shot, StripPicture(one.strip, one.index), 2, 2, 26, 26), 0) << one.caption;
        EXPECT_EQ(CaptionDiffering(shot, one.caption), 0) << one.caption;
        std::string error;
        EXPECT_TRUE(capture::WritePng(shot, folder + one.file + ".png", error)) << error;
    }
}

}  // namespace
