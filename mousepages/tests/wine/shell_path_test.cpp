// mousepages.dll as Wine's own programs meet it: registered by regsvr32 and rundll32, then
// found, created and asked for its pages by shell32's property-sheet handler code, reading the
// registry the way the Mouse control panel does, and its pages driven to a saved setting.
#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "mousepages/tests/wine/mouse_sheet.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/sheets/page_input.h"
#include "tools/fixtures/sheets/registration_check.h"
#include "tools/fixtures/sheets/shell_handlers.h"
#include "tools/winsupport/build_files.h"

namespace mp_test {
namespace {

const char kClsid[] = "{73c6d708-7b4c-4908-a9a5-c75e26c18dea}";
std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

const ServerIdentity kMousepages = {kClsid, "Orvanta RI Zovud", KB_REG_MOUSE_SHEET_HANDLER};

class ShellPath : public testing::Test {
protected:
    void SetUp() override {
        fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_));
        ASSERT_FALSE(Registered(kMousepages)) << "a registration of an earlier run is left";
        DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);
    }
    void TearDown() override {
        fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_));
        DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);
    }

    const std::string dll_ = winsupport::BuildFile("mousepages.dll");
};

TEST_F(ShellPath, Regsvr32AndRundll32RegisterAndUnregister) {
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s " + Quoted(dll_)), 0u);
    ExpectRegistration(kMousepages, dll_);
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_)), 0u);
    EXPECT_FALSE(Registered(kMousepages));
    ASSERT_EQ(fixtures::RunProgram("rundll32.exe " + Quoted(dll_) + ",RegisterServer any thing"), 0u);
    ExpectRegistration(kMousepages, dll_);
    ASSERT_EQ(fixtures::RunProgram("rundll32.exe " + Quoted(dll_) + ",UnregisterServer"), 0u);
    EXPECT_FALSE(Registered(kMousepages));
}

TEST_F(ShellPath, Shell32FindsTheHandlerAndItsPagesSaveWhatTheUserChose) {
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s " + Quoted(dll_)), 0u);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    auto handlers =
        std::make_unique<ShellHandlers>(L"Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Mouse");
    ASSERT_TRUE(handlers->found()) << "shell32 found no property-sheet handler";
    PageCollector collector;
    EXPECT_EQ(handlers->AddPages(collector), 2u);
    ASSERT_EQ(collector.pages.size(), 2u);
    ASSERT_NE(GetModuleHandleA("mousepages.dll"), nullptr) << "COM did not load the server";
    {
        TestSheet sheet("Mouse", collector.pages);
        ASSERT_NE(sheet.window(), nullptr);
        HWND wheel = sheet.Page(kWheelPage);
        ASSERT_NE(wheel, nullptr);
        EXPECT_FALSE(sheet.ApplyEnabled()) << "opening the page changes nothing";
        Click(wheel, IDC_REVERSE);
        EXPECT_TRUE(sheet.ApplyEnabled());
        HWND button = sheet.Show(kWheelButtonPage);
        Click(button, IDC_OTHER_FUNCTIONS);
        PickComboItem(button, IDC_FUNCTION_LIST, 27);
        sheet.PressOk();
        EXPECT_TRUE(sheet.Ended());
    }
    handlers.reset();
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_REVERSE, 1));
    EXPECT_TRUE(StoredNumber(KB_VAL_SCROLL_LINE, 3));
    EXPECT_TRUE(StoredNumber(KB_VAL_WHEEL_BUTTON, 2));
    EXPECT_TRUE(StoredNumber(KB_VAL_FUNCTION, 27));
    EXPECT_TRUE(StoredNumber(KB_VAL_ZOOM_SIZE, 96));
    // Wine's shell32 keeps the IShellExtInit it asked for, so the extension object outlives the
    // sheet here (docs/wine-notes.md); the pages tests prove the server's unload.
    CoUninitialize();
}

}  // namespace
}  // namespace mp_test
