// The "Wheel" page driven through its controls: what it shows of the stored settings, what it
// writes, and what it tells the platform.
#include <windows.h>

#include <gtest/gtest.h>

#include "mousepages/tests/wine/mouse_sheet.h"
#include "tools/fixtures/hung_window.h"
#include "tools/fixtures/sheets/page_input.h"

namespace mp_test {
namespace {

UINT PlatformScrollLines() {
    UINT lines = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines;
}

void Retype(HWND page, int control, const std::string& text) {
    SendDlgItemMessageA(page, control, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(page, control, WM_CLEAR, 0, 0);
    Type(page, control, text);
}

class WheelPage : public MousePages {
protected:
    void TearDown() override {
        MousePages::TearDown();
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
    }
};

TEST_F(WheelPage, NoSettingsKeyShowsThreeLinesWithoutReverse) {
    OpenSheet();
    HWND page = Show(kWheelPage);
    EXPECT_TRUE(Checked(page, IDC_LINE_MODE));
    EXPECT_FALSE(Checked(page, IDC_PAGE_MODE));
    EXPECT_FALSE(Checked(page, IDC_REVERSE));
    EXPECT_EQ(Text(page, IDC_SCROLL_LINES), "3");
    EXPECT_FALSE(sheet().ApplyEnabled());
}

TEST_F(WheelPage, StoredLinesShowWithinOneTo64) {
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_SCROLL_LINE, 100);
    OpenSheet();
    EXPECT_EQ(Text(Show(kWheelPage), IDC_SCROLL_LINES), "64");
    CloseSheet();
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_SCROLL_LINE, 0);
    OpenSheet();
    EXPECT_EQ(Text(Show(kWheelPage), IDC_SCROLL_LINES), "1");
}

TEST_F(WheelPage, TypedLinesAreSavedAsTypedAndHandedToThePlatform) {
    OpenSheet();
    HWND page = Show(kWheelPage);
    Retype(page, IDC_SCROLL_LINES, "99");
    EXPECT_TRUE(sheet().ApplyEnabled());
    Click(page, IDC_REVERSE);
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_MODE, 0));
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_LINE, 99));
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_REVERSE, 1));
    EXPECT_EQ(PlatformScrollLines(), 99u);

    Retype(page, IDC_SCROLL_LINES, "");
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_LINE, 3)) << "an empty edit keeps the lines the page opened with";
    EXPECT_EQ(PlatformScrollLines(), 3u);
    CloseSheet();

    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_SCROLL_LINE, 99);
    OpenSheet();
    EXPECT_EQ(Text(Show(kWheelPage), IDC_SCROLL_LINES), "64") << "shown as 64 the next time";
}

TEST_F(WheelPage, PageModeKeepsThePagesLinesWhateverTheEditShows) {
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_SCROLL_LINE, 7);
    OpenSheet();
    HWND page = Show(kWheelPage);
    Retype(page, IDC_SCROLL_LINES, "20");
    Click(page, IDC_PAGE_MODE);
    EXPECT_FALSE(Checked(page, IDC_LINE_MODE));
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_MODE, 1));
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_LINE, 7));
    EXPECT_EQ(PlatformScrollLines(), static_cast<UINT>(WHEEL_PAGESCROLL));

    Click(page, IDC_LINE_MODE);
    Retype(page, IDC_SCROLL_LINES, "12");
    sheet().PressApply();
    Retype(page, IDC_SCROLL_LINES, "30");
    Click(page, IDC_PAGE_MODE);
    sheet().PressApply();
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_LINE, 12)) << "the lines last saved in line mode";
}

// A hung top-level window somewhere on the desktop: Apply still returns, on both pages.
TEST_F(WheelPage, ApplyReturnsWhileAWindowHangs) {
    HungWindow stranger("KbHungStranger");
    ASSERT_NE(stranger.window(), nullptr);
    OpenSheet();
    Click(Show(kWheelPage), IDC_REVERSE);
    sheet().PressApply();
    Click(Show(kWheelButtonPage), IDC_ZOOM);
    sheet().PressApply();
    EXPECT_TRUE(stranger.still_hung()) << "Apply waited for the hung window";
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_REVERSE, 1));
    EXPECT_TRUE(StoredNumber(KB_VAL_WHEEL_BUTTON, 0));
}

}  // namespace
}  // namespace mp_test
