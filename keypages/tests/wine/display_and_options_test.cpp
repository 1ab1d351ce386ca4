// The "On-Screen Display" and "Options" pages driven through their check boxes and their list:
// every value of the page written on apply, stored values outside the choices kept.
#include <string>

#include <gtest/gtest.h>

#include "keypages/tests/wine/page_controls.h"
#include "tools/fixtures/sheets/page_input.h"
#include "keypages/tests/wine/pages_fixture.h"
#include "common/window_classes.h"
#include "tools/fixtures/hung_window.h"

namespace kp_test {
namespace {

const char* const kDisplayValues[] = {"Search", "Mail", "Media", "Volume", "MyComputer", "Calculator"};

using DisplayPage = KeyboardPages;
using OptionsPage = KeyboardPages;

TEST_F(DisplayPage, NoDisplayKeyShowsNothingCheckedAndHalfASecondAndOkWritesSevenZeros) {
    OpenSheet(kDisplayPage);
    HWND page = sheet().Page(kDisplayPage);
    ASSERT_NE(page, nullptr);
    for (int box = kFirstDisplayBox; box < kFirstDisplayBox + 6; ++box) EXPECT_FALSE(Checked(page, box)) << box;
    const char* const times[] = {"0.5 second", "1 second",   "2 seconds",  "3 seconds",  "4 seconds",  "5 seconds",
                                 "10 seconds", "15 seconds", "20 seconds", "25 seconds", "30 seconds", "40 seconds"};
    ASSERT_EQ(SendDlgItemMessageA(page, kDisplayTime, CB_GETCOUNT, 0, 0), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(ComboItemText(page, kDisplayTime, i), times[i]);
    EXPECT_EQ(Text(page, kDisplayTime), "0.5 second");

    sheet().PressOk();
    for (const char* name : kDisplayValues) EXPECT_TRUE(StoredAs(kDisplayKey, name, REG_DWORD, NumberBytes(0))) << name;
    EXPECT_TRUE(StoredAs(kDisplayKey, "Delay", REG_DWORD, NumberBytes(0)));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kSearchKey)) << "the hot-key page was never shown";
}

TEST_F(DisplayPage, StoredValuesOutsideTheChoicesAreWrittenBackUntilTheUserPicks) {
    WriteNumber(HKEY_LOCAL_MACHINE, kDisplayKey, "Delay", 12);
    WriteNumber(HKEY_LOCAL_MACHINE, kDisplayKey, "Mail", 7);
    OpenSheet(kDisplayPage);
    HWND page = sheet().Page(kDisplayPage);
    EXPECT_EQ(SendDlgItemMessageA(page, kDisplayTime, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_TRUE(Checked(page, kFirstDisplayBox + 1)) << "7 shows as checked";
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kDisplayKey, "Delay", REG_DWORD, NumberBytes(12)));
    EXPECT_TRUE(StoredAs(kDisplayKey, "Mail", REG_DWORD, NumberBytes(7)));

    EXPECT_FALSE(sheet().ApplyEnabled());
    PickComboItem(page, kDisplayTime, 6);
    EXPECT_TRUE(sheet().ApplyEnabled());
    Click(page, kFirstDisplayBox + 1);
    Click(page, kFirstDisplayBox + 4);
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kDisplayKey, "Delay", REG_DWORD, NumberBytes(6)));
    EXPECT_TRUE(StoredAs(kDisplayKey, "Mail", REG_DWORD, NumberBytes(0)));
    EXPECT_TRUE(StoredAs(kDisplayKey, "MyComputer", REG_DWORD, NumberBytes(1)));
}

TEST_F(DisplayPage, ANegativeDelayShowsNoSelectionAndIsKept) {
    WriteNumber(HKEY_LOCAL_MACHINE, kDisplayKey, "Delay", 0xFFFFFFFF);
    OpenSheet(kDisplayPage);
    HWND page = sheet().Page(kDisplayPage);
    EXPECT_EQ(SendDlgItemMessageA(page, kDisplayTime, CB_GETCURSEL, 0, 0), CB_ERR);
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kDisplayKey, "Delay", REG_DWORD, NumberBytes(0xFFFFFFFF)));
}

TEST_F(OptionsPage, TickingOnlyCapsLockWritesAllFiveValuesWithTheOthersAsRead) {
    WriteNumber(HKEY_LOCAL_MACHINE, kOptionKey, "PrtScr", 1);
    WriteNumber(HKEY_LOCAL_MACHINE, kOptionKey, "Right Window", 5);
    OpenSheet(kOptionsPage);
    HWND page = sheet().Page(kOptionsPage);
    EXPECT_TRUE(Checked(page, kPrtScr));
    EXPECT_FALSE(Checked(page, kCapsLock));
    EXPECT_FALSE(sheet().ApplyEnabled());
    Click(page, kCapsLock);
    EXPECT_TRUE(sheet().ApplyEnabled());
    // The sheet's own Apply button, clicked.
    Click(sheet().window(), kApplyButton);
    EXPECT_FALSE(sheet().ApplyEnabled()) << "applied";
    EXPECT_TRUE(StoredAs(kOptionKey, "PrtScr", REG_DWORD, NumberBytes(1)));
    EXPECT_TRUE(StoredAs(kOptionKey, "Caps Lock", REG_DWORD, NumberBytes(1)));
    EXPECT_TRUE(StoredAs(kOptionKey, "Left Window", REG_DWORD, NumberBytes(0)));
    EXPECT_TRUE(StoredAs(kOptionKey, "Right Window", REG_DWORD, NumberBytes(5)));
    EXPECT_TRUE(StoredAs(kOptionKey, "Application", REG_DWORD, NumberBytes(0)));

    Click(page, kPrtScr);
    Click(page, kApplication);
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kOptionKey, "PrtScr", REG_DWORD, NumberBytes(0)));
    EXPECT_TRUE(StoredAs(kOptionKey, "Application", REG_DWORD, NumberBytes(1)));
}

TEST_F(OptionsPage, ShowsTheKeySymbolsBesideTheirCheckBoxes) {
    OpenSheet(kOptionsPage);
    HWND page = sheet().Page(kOptionsPage);
    int icons = 0;
    for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageA(child, STM_GETICON, 0, 0) != 0)
            ++icons;
    }
    EXPECT_EQ(icons, 3);
}

// The agent's popup window hangs: OK still returns, without waiting for it to answer.
TEST_F(OptionsPage, OkReturnsWhileTheAgentsWindowHangs) {
    HungWindow agent(KB_CLASS_AGENT_POPUP);
    ASSERT_NE(agent.window(), nullptr);
    OpenSheet(kOptionsPage);
    Click(sheet().Page(kOptionsPage), kPrtScr);
    sheet().PressOk();
    EXPECT_TRUE(agent.still_hung()) << "OK waited for the hung window";
    EXPECT_TRUE(StoredAs(kOptionKey, "PrtScr", REG_DWORD, NumberBytes(1)));
}

}  // namespace
}  // namespace kp_test
