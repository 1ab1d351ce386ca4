// The two pages as a user sees them, captured into PNG files for the project's contact sheet
// (`make art`): build/<world>/captures/mousepages_*.png.
#include <string>

#include <gtest/gtest.h>

#include "mousepages/tests/wine/mouse_sheet.h"
#include "tools/capture/window_capture.h"
#include "tools/fixtures/sheets/module_bitmap.h"
#include "tools/winsupport/build_files.h"

namespace mp_test {
namespace {

using Screenshots = MousePages;

TEST_F(Screenshots, BothPagesAsTheScreenShowsThem) {
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_SCROLL_LINE, 5);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_WHEEL_BUTTON, 0);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_ZOOM_SIZE, 120);
    WriteNumber(HKEY_LOCAL_MACHINE, kWheelKey, KB_VAL_ZOOM_FACTOR, 3);
    OpenSheet();
    SetWindowPos(sheet().window(), HWND_TOP, 16, 16, 0, 0, SWP_NOSIZE);
    const char* const names[] = {"mousepages_wheel", "mousepages_wheel_button"};
    const std::string folder = winsupport::BuildDir() + "..\\captures\\";
    for (int index = 0; index < 2; ++index) {
        HWND page = Show(index);
        ASSERT_NE(page, nullptr);
        const capture::Pixels shot = capture::CaptureWindow(sheet().window());
        RECT bounds;
        GetWindowRect(sheet().window(), &bounds);
        ASSERT_EQ(shot.width, bounds.right - bounds.left);
        if (index == kWheelPage) {
            // The mouse wheel, whole and unscaled, at the page's first picture control.
            HWND picture = FindWindowExA(page, nullptr, "Static", nullptr);
            ASSERT_NE(picture, nullptr);
            const capture::Pixels expected = BitmapPixels(dll_.module(), IDB_MOUSE_WHEEL);
            ASSERT_GT(expected.width, 0);
            EXPECT_EQ(PixelsDifferingAt(shot, sheet().window(), picture, expected), 0) << "pixels of the mouse wheel";
        }
        std::string error;
        EXPECT_TRUE(capture::WritePng(shot, folder + names[index] + ".png", error)) << error;
    }
}

}  // namespace
}  // namespace mp_test
