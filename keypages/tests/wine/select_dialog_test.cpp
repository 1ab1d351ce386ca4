// The "Select" dialog of the hot-key page, worked as a user works it: texts typed, a program
// found with Wine's own file dialog, OK or Cancel; and what reaches the page and the registry.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include <gtest/gtest.h>

#include "keypages/tests/wine/modal_driver.h"
#include "keypages/tests/wine/page_controls.h"
#include "tools/fixtures/sheets/page_input.h"
#include "keypages/tests/wine/pages_fixture.h"
#include "tools/winsupport/build_files.h"

namespace kp_test {
namespace {

// The Calculator key with a custom program already stored, its Select button enabled.
class SelectDialog : public KeyboardPages {
protected:
    void SetUp() override {
        KeyboardPages::SetUp();
        WriteNumber(HKEY_LOCAL_MACHINE, kCalculatorKey, "Value", 1);
        WriteText(HKEY_LOCAL_MACHINE, kCalculatorKey, "Custom", "c:\\old\\old.exe");
        WriteText(HKEY_LOCAL_MACHINE, kCalculatorKey, "Name", "Old");
        OpenSheet();
        page_ = sheet().Page(kHotKeysPage);
        Click(page_, kCalculatorButton);
        ASSERT_TRUE(Enabled(page_, kSelectProgram));
    }

    // Opens the dialog with a click on Select and lets the script work it; back when it closed.
    void WorkSelectDialog(std::function<bool(ModalDriver&, HWND)> script) {
        ModalDriver driver([&](ModalDriver& d) {
            HWND dialog = d.WaitForDialog("Select");
            return dialog != nullptr && script(d, dialog);
        });
        Click(page_, kSelectProgram);
        EXPECT_TRUE(driver.Finish()) << driver.failure();
    }

    HWND page_ = nullptr;
};

// Clicks "&Browser" and chooses the file in the file dialog; false when that could not be done.
// With `confirm_creation` the file does not exist, and the dialog's question is answered Yes.
bool Browse(ModalDriver& d, HWND dialog, const std::string& file, bool confirm_creation = false) {
    d.PostClick(dialog, kBrowse);
    HWND open = d.WaitForDialog("Open", dialog);
    if (open == nullptr || !d.ChooseFile(open, file)) return false;
    if (confirm_creation) {
        HWND create = d.WaitForDialogOwnedBy(open);
        if (create == nullptr) return false;
        d.PostClick(create, IDYES);
    }
    // The Select dialog is back once the file dialog has gone.
    return d.WaitUntilClosed(open);
}

TEST_F(SelectDialog, OkTakesTheTypedTextsAndTheSheetsOkWritesThemThoughApplyWasNeverEnabled) {
    std::string shown_path, shown_name;
    WorkSelectDialog([&](ModalDriver& d, HWND dialog) {
        shown_path = Text(dialog, kPath);
        shown_name = Text(dialog, kOnScreenName);
        d.Retype(dialog, kPath, "c:\\tools\\pocket.exe");
        d.Retype(dialog, kOnScreenName, "Pocket");
        d.PostClick(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(shown_path, "c:\\old\\old.exe");
    EXPECT_EQ(shown_name, "Old");
    EXPECT_EQ(Text(page_, kProgramName), "Pocket");
    EXPECT_FALSE(sheet().ApplyEnabled());
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Custom", REG_SZ, TextBytes("c:\\tools\\pocket.exe")));
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Name", REG_SZ, TextBytes("Pocket")));
}

TEST_F(SelectDialog, CancelChangesNothing) {
    WorkSelectDialog([&](ModalDriver& d, HWND dialog) {
        d.Retype(dialog, kPath, "c:\\elsewhere.exe");
        d.PostClick(dialog, IDCANCEL);
        return true;
    });
    EXPECT_EQ(Text(page_, kProgramName), "Old");
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Custom", REG_SZ, TextBytes("c:\\old\\old.exe")));
}

TEST_F(SelectDialog, AProgramFoundWithTheFileDialogBringsItsPathAndDisplayName) {
    const std::string program = "C:\\windows\\notepad.exe";
    SHFILEINFOA expected = {};
    ASSERT_NE(SHGetFileInfoA(program.c_str(), FILE_ATTRIBUTE_NORMAL, &expected, sizeof expected, SHGFI_DISPLAYNAME), 0u);
    std::string path, name;
    WorkSelectDialog([&](ModalDriver& d, HWND dialog) {
        if (!Browse(d, dialog, program)) return false;
        path = Text(dialog, kPath);
        name = Text(dialog, kOnScreenName);
        d.PostClick(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(path, program);
    EXPECT_EQ(name, expected.szDisplayName);
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Custom", REG_SZ, TextBytes(program)));
}

TEST_F(SelectDialog, AFileToBeCreatedLeavesTheNameEmptyRatherThanAnotherProgramsName) {
    const std::string program = winsupport::BuildFile("no such program.exe");
    DeleteFileA(program.c_str());
    std::string name = "(unread)";
    WorkSelectDialog([&](ModalDriver& d, HWND dialog) {
        if (!Browse(d, dialog, program, true)) return false;
        name = Text(dialog, kOnScreenName);
        d.PostClick(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(name, "");
    EXPECT_EQ(Text(page_, kProgramName), program);
}

// A path the field can't hold would be stored cut, and the key would start the wrong file or
// nothing: it is refused with a message, and the dialog stays open with the path it had.
TEST_F(SelectDialog, ABrowsedPathLongerThanTheFieldIsRefusedAndTypingStopsAtIt) {
    const std::string folder = winsupport::BuildFile(std::string(110, 'f').c_str());
    const std::string program = folder + "\\long.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(winsupport::BuildFile("keypages.dll").c_str(), program.c_str(), FALSE));
    ASSERT_GT(program.size(), 127u);
    std::string path;
    int name_length = 0;
    WorkSelectDialog([&](ModalDriver& d, HWND dialog) {
        if (!Browse(d, dialog, program)) return false;
        HWND refusal = d.WaitForDialogOwnedBy(dialog);
        if (refusal == nullptr) return false;
        d.PostClick(refusal, IDOK);
        if (!d.WaitUntilClosed(refusal)) return false;
        path = Text(dialog, kPath);
        d.Retype(dialog, kOnScreenName, std::string(200, 'n'));
        name_length = GetWindowTextLengthA(GetDlgItem(dialog, kOnScreenName));
        d.PostClick(dialog, IDOK);
        return true;
    });
    EXPECT_EQ(path, "c:\\old\\old.exe") << "the dialog kept its path";
    EXPECT_EQ(name_length, 127) << "typing stops at what the field holds";
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Custom", REG_SZ, TextBytes("c:\\old\\old.exe")));
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Name", REG_SZ, TextBytes(std::string(127, 'n'))));
    DeleteFileA(program.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace kp_test
