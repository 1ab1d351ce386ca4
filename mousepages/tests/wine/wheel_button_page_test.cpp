// The "Wheel Button" page driven through its controls: the choice shown for odd stored values,
// which controls each choice enables, and what is saved from up-downs whose edits hold no
// valid position.
#include <windows.h>

#include <gtest/gtest.h>

#include "mousepages/tests/wine/mouse_sheet.h"
#include "tools/fixtures/sheets/page_input.h"

namespace mp_test {
namespace {

using WheelButtonPage = MousePages;

int Selection(HWND page) {
    return static_cast<int>(SendDlgItemMessageA(page, IDC_FUNCTION_LIST, CB_GETCURSEL, 0, 0));
}

bool ZoomControlsEnabled(HWND page) {
    return Enabled(page, IDC_ZOOM_SIZE) && Enabled(page, IDC_ZOOM_FACTOR) && Enabled(page, IDC_ZOOM_SIZE_SPIN) &&
           Enabled(page, IDC_ZOOM_FACTOR_SPIN);
}

bool ZoomControlsDisabled(HWND page) {
    return !Enabled(page, IDC_ZOOM_SIZE) && !Enabled(page, IDC_ZOOM_FACTOR) && !Enabled(page, IDC_ZOOM_SIZE_SPIN) &&
           !Enabled(page, IDC_ZOOM_FACTOR_SPIN);
}

TEST_F(WheelButtonPage, NoSettingsKeyShowsAutoScrollWithEverythingElseDisabled) {
    OpenSheet(kWheelButtonPage);
    HWND page = Show(kWheelButtonPage);
    EXPECT_TRUE(Checked(page, IDC_AUTO_SCROLL));
    EXPECT_EQ(Text(page, IDC_ZOOM_SIZE), "96");
    EXPECT_EQ(Text(page, IDC_ZOOM_FACTOR), "2");
    EXPECT_EQ(Text(page, IDC_FUNCTION_LIST), "[unassigned]");
    EXPECT_EQ(SendDlgItemMessageA(page, IDC_FUNCTION_LIST, CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(ComboItemText(page, IDC_FUNCTION_LIST, 30), "Netscape Navigator");
    EXPECT_TRUE(ZoomControlsDisabled(page));
    EXPECT_FALSE(Enabled(page, IDC_FUNCTION_LIST));
    EXPECT_FALSE(sheet().ApplyEnabled());
}

TEST_F(WheelButtonPage, OddStoredValuesShowWithinTheControls) {
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_WHEEL_BUTTON, 5);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_ZOOM_SIZE, 400);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_ZOOM_FACTOR, 12);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_FUNCTION, 40);
    OpenSheet(kWheelButtonPage);
    HWND page = Show(kWheelButtonPage);
    EXPECT_TRUE(Checked(page, IDC_ZOOM));
    EXPECT_EQ(Text(page, IDC_ZOOM_SIZE), "300");
    EXPECT_EQ(Text(page, IDC_ZOOM_FACTOR), "10");
    EXPECT_EQ(Selection(page), 0);
    EXPECT_TRUE(ZoomControlsEnabled(page));
}

TEST_F(WheelButtonPage, EachChoiceEnablesOnlyItsOwnControls) {
    OpenSheet(kWheelButtonPage);
    HWND page = Show(kWheelButtonPage);
    Click(page, IDC_OTHER_FUNCTIONS);
    EXPECT_TRUE(Enabled(page, IDC_FUNCTION_LIST));
    EXPECT_TRUE(ZoomControlsDisabled(page));
    EXPECT_TRUE(sheet().ApplyEnabled());
    Click(page, IDC_ZOOM);
    EXPECT_FALSE(Enabled(page, IDC_FUNCTION_LIST));
    EXPECT_TRUE(ZoomControlsEnabled(page));
    EXPECT_FALSE(Checked(page, IDC_OTHER_FUNCTIONS));
}

// Negative values are outside every choice and every row: the page shows Auto Scroll, which is
// what the hook does with such a value, and no row; saving writes values the hook knows.
TEST_F(WheelButtonPage, NegativeStoredValuesSaveAsAutoScrollAndRowZero) {
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_WHEEL_BUTTON, 0xFFFFFFFF);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_FUNCTION, 0xFFFFFFFB);
    OpenSheet(kWheelButtonPage);
    HWND page = Show(kWheelButtonPage);
    EXPECT_TRUE(Checked(page, IDC_AUTO_SCROLL));
    EXPECT_FALSE(Checked(page, IDC_ZOOM) || Checked(page, IDC_OTHER_FUNCTIONS));
    EXPECT_EQ(Selection(page), CB_ERR);
    Click(page, IDC_AUTO_SCROLL);
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_WHEEL_BUTTON, 1));
    EXPECT_TRUE(StoredNumber(KB_VAL_FUNCTION, 0));
}

// An edit whose text is no position within its up-down's range makes the up-down report an
// error; the page then keeps the value it holds, within the hook's range.
TEST_F(WheelButtonPage, InvalidZoomTextsSaveThePagesValues) {
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_WHEEL_BUTTON, 0);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_ZOOM_SIZE, 0xFFFFFFFF);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_ZOOM_FACTOR, 4);
    OpenSheet(kWheelButtonPage);
    HWND page = Show(kWheelButtonPage);
    EXPECT_EQ(Text(page, IDC_ZOOM_SIZE), "0") << "a negative size shows as the least";
    SetDlgItemTextA(page, IDC_ZOOM_SIZE, "big");
    SetDlgItemTextA(page, IDC_ZOOM_FACTOR, "77");
    EXPECT_TRUE(sheet().ApplyEnabled());
    EXPECT_NE(SendDlgItemMessageA(page, IDC_ZOOM_SIZE_SPIN, UDM_GETPOS, 0, 0) >> 16, 0) << "no error reported";
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_ZOOM_SIZE, 0));
    EXPECT_TRUE(StoredNumber(KB_VAL_ZOOM_FACTOR, 4));

    SetDlgItemTextA(page, IDC_ZOOM_SIZE, "150");
    SetDlgItemTextA(page, IDC_ZOOM_FACTOR, "3");
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_ZOOM_SIZE, 150));
    EXPECT_TRUE(StoredNumber(KB_VAL_ZOOM_FACTOR, 3));
    EXPECT_TRUE(StoredNumber(KB_VAL_WHEEL_BUTTON, 0));
}

}  // namespace
}  // namespace mp_test
