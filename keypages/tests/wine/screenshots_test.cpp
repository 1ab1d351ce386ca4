// The three pages as a user sees them, captured from the screen into PNG files for the
// project's contact sheet (`make art`): build/<world>/captures/keypages_*.png.
#include <string>

#include <gtest/gtest.h>

#include "tools/fixtures/sheets/module_bitmap.h"
#include "keypages/tests/wine/page_controls.h"
#include "tools/fixtures/sheets/page_input.h"
#include "keypages/tests/wine/pages_fixture.h"
#include "tools/capture/window_capture.h"
#include "tools/winsupport/build_files.h"

namespace kp_test {
namespace {

constexpr int kSearchPicture = 316;

using Screenshots = KeyboardPages;

TEST_F(Screenshots, EveryPageAsTheScreenShowsIt) {
    WriteNumber(HKEY_LOCAL_MACHINE, kSearchKey, "Value", 1);
    WriteText(HKEY_LOCAL_MACHINE, kSearchKey, "URL", "http://www.example.com/search");
    WriteNumber(HKEY_LOCAL_MACHINE, kDisplayKey, "Search", 1);
    WriteNumber(HKEY_LOCAL_MACHINE, kDisplayKey, "Volume", 1);
    WriteNumber(HKEY_LOCAL_MACHINE, kDisplayKey, "Delay", 3);
    WriteNumber(HKEY_LOCAL_MACHINE, kOptionKey, "PrtScr", 1);
    WriteNumber(HKEY_LOCAL_MACHINE, kMyComputerKey, "Value", 1);
    WriteText(HKEY_LOCAL_MACHINE, kMyComputerKey, "Custom", "C:\\windows\\explorer.exe /e,C:\\");
    WriteText(HKEY_LOCAL_MACHINE, kMyComputerKey, "Name", "Folders");
    OpenSheet();
    SetWindowPos(sheet().window(), HWND_TOP, 16, 16, 0, 0, SWP_NOSIZE);
    const char* const names[] = {"keypages_hot_keys", "keypages_on_screen_display", "keypages_options"};
    const std::string folder = winsupport::BuildDir() + "..\\captures\\";
    for (int index = 0; index < 3; ++index) {
        HWND page = Show(index);
        ASSERT_NE(page, nullptr);
        const capture::Pixels shot = capture::CaptureWindow(sheet().window());
        RECT bounds;
        GetWindowRect(sheet().window(), &bounds);
        ASSERT_EQ(shot.width, bounds.right - bounds.left);
        ASSERT_EQ(shot.height, bounds.bottom - bounds.top);
        if (index == kHotKeysPage) {
            // The picture of the Search key, whole and unscaled, where its control is.
            const capture::Pixels expected = BitmapPixels(dll_.module(), kSearchPicture);
            EXPECT_EQ(PixelsDifferingAt(shot, sheet().window(), GetDlgItem(page, kPicture), expected), 0)
                << "pixels of the Search picture";
        }
        std::string error;
        EXPECT_TRUE(capture::WritePng(shot, folder + names[index] + ".png", error)) << error;
    }
    // The hot-key page once more, with a key that has all three choices.
    HWND page = Show(kHotKeysPage);
    PickListItem(page, kHotKeyList, 2);
    std::string error;
    EXPECT_TRUE(capture::WritePng(capture::CaptureWindow(sheet().window()), folder + "keypages_hot_keys_my_computer.png",
                                  error))
        << error;
}

}  // namespace
}  // namespace kp_test
