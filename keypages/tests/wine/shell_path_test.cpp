// keypages.dll as Wine's own programs meet it: registered by regsvr32 and by rundll32, then
// found, created and asked for its pages by shell32's property-sheet handler code, reading the
// registry the way the Keyboard control panel does.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "common/registry_names.h"
#include "keypages/tests/wine/popup_stand_in.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/sheets/registration_check.h"
#include "tools/fixtures/sheets/server_dll.h"
#include "tools/fixtures/sheets/shell_handlers.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/fixtures/sheets/test_sheet.h"
#include "tools/winsupport/build_files.h"

namespace {

using sheet_test::ReadText;

const char kClsid[] = "{94054cfe-34c1-46dc-9c7f-aacef66e8a47}";
const std::string kClassKey = std::string("CLSID\\") + kClsid;
const std::string kServerKey = kClassKey + "\\InprocServer32";

std::string Lower(std::string text) {
    CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

const sheet_test::ServerIdentity kKeypages = {kClsid, "Orvanta ZI Dodoveda", KB_REG_KEYBOARD_SHEET_HANDLER};

class ShellPath : public testing::Test {
protected:
    void SetUp() override {
        fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_));
        ASSERT_FALSE(sheet_test::Registered(kKeypages)) << "a registration of an earlier run is left";
    }
    void TearDown() override { fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_)); }

    const std::string dll_ = winsupport::BuildFile("keypages.dll");
};

TEST_F(ShellPath, Regsvr32RegistersAndUnregisters) {
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s " + Quoted(dll_)), 0u);
    sheet_test::ExpectRegistration(kKeypages, dll_);
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_)), 0u);
    EXPECT_FALSE(sheet_test::Registered(kKeypages));
    // Unregistering what is not registered succeeds as well.
    EXPECT_EQ(fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(dll_)), 0u);
}

TEST_F(ShellPath, Rundll32RegistersAndUnregistersWhateverItsArguments) {
    ASSERT_EQ(fixtures::RunProgram("rundll32.exe " + Quoted(dll_) + ",RegisterServer any thing 17"), 0u);
    sheet_test::ExpectRegistration(kKeypages, dll_);
    ASSERT_EQ(fixtures::RunProgram("rundll32.exe " + Quoted(dll_) + ",UnregisterServer"), 0u);
    EXPECT_FALSE(sheet_test::Registered(kKeypages));
}

TEST_F(ShellPath, TheServerPathIsRegisteredInLowerCaseWhateverItsCaseOnDisk) {
    const std::string folder = winsupport::BuildFile("KeyPages Copy");
    const std::string copy = folder + "\\KeyPages.DLL";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(dll_.c_str(), copy.c_str(), FALSE)) << "error " << GetLastError();
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s " + Quoted(copy)), 0u);
    EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, kServerKey, nullptr), Lower(copy));
    EXPECT_NE(Lower(copy), copy);
    fixtures::RunProgram("regsvr32.exe /s /u " + Quoted(copy));
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(ShellPath, Shell32FindsTheHandlerCreatesItAndShowsItsPages) {
    ASSERT_EQ(fixtures::RunProgram("regsvr32.exe /s " + Quoted(dll_)), 0u);
    sheet_test::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
    kp_test::PopupStandIn popup;
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    auto handlers = std::make_unique<sheet_test::ShellHandlers>(
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Keyboard");
    ASSERT_TRUE(handlers->found()) << "shell32 found no property-sheet handler";
    sheet_test::PageCollector collector;
    EXPECT_EQ(handlers->AddPages(collector), 3u);
    ASSERT_EQ(collector.pages.size(), 3u);
    ASSERT_NE(GetModuleHandleA("keypages.dll"), nullptr) << "COM did not load the server";

    {
        sheet_test::TestSheet sheet("Keyboard", collector.pages, 2);
        ASSERT_NE(sheet.window(), nullptr);
        HWND options = sheet.Page(2);
        ASSERT_NE(options, nullptr);
        SendDlgItemMessageA(options, 1019, BM_CLICK, 0, 0);
        EXPECT_TRUE(sheet.ApplyEnabled());
        sheet.PressOk();
        EXPECT_TRUE(sheet.Ended());
    }
    handlers.reset();

    EXPECT_EQ(sheet_test::ReadValue(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_OPTION, KB_VAL_CAPS_LOCK).bytes,
              sheet_test::NumberBytes(1));
    EXPECT_FALSE(sheet_test::KeyExists(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_DISPLAY)) << "a page never shown writes nothing";
    const std::vector<kp_test::ReceivedMessage> received = popup.Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, static_cast<UINT>(WM_WININICHANGE));
    // Wine's shell32 keeps the IShellExtInit it asked for, so the extension object outlives the
    // sheet here (docs/wine-notes.md); its lifetime is proven by the server test instead.
    CoUninitialize();
}

}  // namespace
