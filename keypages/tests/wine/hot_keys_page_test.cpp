// The "Hot Keys" page driven through its controls: what it shows for what is stored, what the
// user's choices store, byte for byte, and what the agent's popup window is told.
#include <string>

#include <gtest/gtest.h>

#include "keypages/tests/wine/page_controls.h"
#include "tools/fixtures/sheets/page_input.h"
#include "keypages/tests/wine/pages_fixture.h"

namespace kp_test {
namespace {

const std::vector<BYTE> kZero = NumberBytes(0);
const std::vector<BYTE> kEmptyText = {0};

std::vector<BYTE> WholeField(const std::string& text) {
    std::vector<BYTE> field(128, 0);
    std::copy(text.begin(), text.end(), field.begin());
    return field;
}

using HotKeysPage = KeyboardPages;

TEST_F(HotKeysPage, AFreshMachineShowsTheFirstChoicesAndOkCreatesTheFourKeysEmpty) {
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Text(page, kKeyGroup), "Select an Internet search page");
    EXPECT_EQ(Text(page, kDescription), "Opens an Internet search page when you press the Search Hot Key.");
    EXPECT_EQ(Text(page, kFirstChoice), "&Internet browser's default search page");
    EXPECT_TRUE(Checked(page, kFirstChoice));
    EXPECT_EQ(Text(page, kCustomChoice), "C&ustom Address:");
    EXPECT_TRUE(Shown(page, kAddress));
    EXPECT_FALSE(Enabled(page, kAddress));
    EXPECT_EQ(Text(page, kAddress), "");
    for (int hidden : {kSecondChoice, kMailProgram, kSelectProgram, kProgramName}) EXPECT_FALSE(Shown(page, hidden)) << hidden;

    PickListItem(page, kHotKeyList, 1);
    EXPECT_EQ(Text(page, kKeyGroup), "Select a Mail Program");
    EXPECT_EQ(Text(page, kFirstChoice), "Ma&il:");
    EXPECT_TRUE(Checked(page, kFirstChoice));
    EXPECT_TRUE(Shown(page, kMailProgram));
    EXPECT_EQ(Text(page, kMailProgram), "Microsoft Outlook Express");
    EXPECT_EQ(ComboItemText(page, kMailProgram, 1), "Outlook");
    EXPECT_FALSE(Shown(page, kAddress));
    EXPECT_TRUE(Shown(page, kSelectProgram));
    EXPECT_FALSE(Enabled(page, kSelectProgram));
    EXPECT_EQ(Text(page, kProgramName), "<No selection>");

    PickListItem(page, kHotKeyList, 2);
    EXPECT_EQ(Text(page, kFirstChoice), "My C&omputer");
    EXPECT_TRUE(Checked(page, kFirstChoice));
    EXPECT_TRUE(Shown(page, kSecondChoice));
    EXPECT_EQ(Text(page, kSecondChoice), "Windows E&xplorer");
    EXPECT_EQ(Text(page, kProgramName), "<No selection>");

    EXPECT_FALSE(sheet().ApplyEnabled());
    sheet().PressOk();
    EXPECT_TRUE(sheet().Ended());
    EXPECT_TRUE(StoredAs(kSearchKey, "Value", REG_DWORD, kZero));
    EXPECT_TRUE(StoredAs(kSearchKey, "URL", REG_SZ, WholeField("")));
    EXPECT_TRUE(StoredAs(kMailKey, "Value", REG_DWORD, kZero));
    EXPECT_TRUE(StoredAs(kMailKey, "DEFAULT", REG_DWORD, kZero));
    for (const std::string& key : {kMailKey, kMyComputerKey, kCalculatorKey}) {
        EXPECT_TRUE(StoredAs(key, "Custom", REG_SZ, kEmptyText));
        EXPECT_TRUE(StoredAs(key, "Name", REG_SZ, kEmptyText));
    }
    EXPECT_TRUE(StoredAs(kMyComputerKey, "Value", REG_DWORD, kZero));
    EXPECT_TRUE(StoredAs(kCalculatorKey, "Value", REG_DWORD, kZero));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kDisplayKey)) << "a page never shown writes nothing";
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kOptionKey));
}

TEST_F(HotKeysPage, AnUnknownMyComputerModeShowsExplorerAndIsKeptUntilARadioIsClicked) {
    WriteNumber(HKEY_LOCAL_MACHINE, kMyComputerKey, "Value", 7);
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    PickListItem(page, kHotKeyList, 2);
    EXPECT_TRUE(Checked(page, kSecondChoice));
    EXPECT_FALSE(Checked(page, kFirstChoice));
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kMyComputerKey, "Value", REG_DWORD, NumberBytes(7)));

    Click(page, kCustomChoice);
    EXPECT_TRUE(Enabled(page, kSelectProgram));
    EXPECT_TRUE(sheet().ApplyEnabled());
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kMyComputerKey, "Value", REG_DWORD, NumberBytes(1)));
    Click(page, kSecondChoice);
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kMyComputerKey, "Value", REG_DWORD, NumberBytes(2)));
}

TEST_F(HotKeysPage, ACustomPathIsNamedWithoutItsLeadingBlanksAndStoredWithThem) {
    WriteNumber(HKEY_LOCAL_MACHINE, kMailKey, "Value", 1);
    WriteText(HKEY_LOCAL_MACHINE, kMailKey, "Custom", "  c:\\mail\\mail.exe");
    WriteText(HKEY_LOCAL_MACHINE, kCalculatorKey, "Custom", "c:\\calc.exe");
    WriteText(HKEY_LOCAL_MACHINE, kCalculatorKey, "Name", "My calculator");
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    PickListItem(page, kHotKeyList, 1);
    EXPECT_TRUE(Checked(page, kCustomChoice));
    EXPECT_TRUE(Enabled(page, kSelectProgram));
    EXPECT_EQ(Text(page, kProgramName), "c:\\mail\\mail.exe");
    Click(page, kCalculatorButton);
    EXPECT_EQ(SendDlgItemMessageA(page, kHotKeyList, LB_GETCURSEL, 0, 0), 3);
    EXPECT_EQ(Text(page, kProgramName), "My calculator");
    EXPECT_TRUE(Checked(page, kFirstChoice)) << "a program with mode 0 is not the choice";
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kMailKey, "Custom", REG_SZ, TextBytes("  c:\\mail\\mail.exe")));
}

TEST_F(HotKeysPage, ATypedAddressIsKeptAcrossKeysAndStoredCutTo127Characters) {
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    Click(page, kCustomChoice);
    EXPECT_TRUE(Enabled(page, kAddress));
    const std::string typed = "http://" + std::string(193, 'a');
    Type(page, kAddress, typed);
    Click(page, kMailButton);
    Click(page, kSearchButton);
    EXPECT_EQ(SendDlgItemMessageA(page, kHotKeyList, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(page, kAddress), typed.substr(0, 127));
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kSearchKey, "Value", REG_DWORD, NumberBytes(1)));
    EXPECT_TRUE(StoredAs(kSearchKey, "URL", REG_SZ, WholeField(typed.substr(0, 127))));
}

TEST_F(HotKeysPage, AStoredAddressOfAFull128BytesIsShownEndedInsideItsField) {
    WriteNumber(HKEY_LOCAL_MACHINE, kSearchKey, "Value", 1);
    WriteValue(HKEY_LOCAL_MACHINE, kSearchKey, "URL", REG_SZ, std::vector<BYTE>(128, 'u'));
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    EXPECT_EQ(Text(page, kAddress), std::string(127, 'u'));
    sheet().PressApply();
    EXPECT_TRUE(StoredAs(kSearchKey, "URL", REG_SZ, WholeField(std::string(127, 'u'))));
}

TEST_F(HotKeysPage, TheMailProgramBoxStoresItsChoiceWithoutEnablingApply) {
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    PickListItem(page, kHotKeyList, 1);
    PickComboItem(page, kMailProgram, 1);
    EXPECT_FALSE(sheet().ApplyEnabled());
    sheet().PressOk();
    EXPECT_TRUE(StoredAs(kMailKey, "DEFAULT", REG_DWORD, NumberBytes(1)));
}

TEST_F(HotKeysPage, PowerHasNoChoiceAndEveryKeyHasItsOwnPicture) {
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    std::vector<LRESULT> pictures;
    for (int key = 0; key < 5; ++key) {
        PickListItem(page, kHotKeyList, key);
        pictures.push_back(SendDlgItemMessageA(page, kPicture, STM_GETIMAGE, IMAGE_BITMAP, 0));
        EXPECT_NE(pictures.back(), 0) << key;
        for (int earlier = 0; earlier < key; ++earlier) EXPECT_NE(pictures[earlier], pictures.back()) << key;
    }
    EXPECT_EQ(Text(page, kKeyGroup), "Power key definition");
    EXPECT_EQ(Text(page, kDescription), "Shut down Windows.");
    for (int hidden : {kFirstChoice, kSecondChoice, kCustomChoice, kAddress, kMailProgram, kSelectProgram, kProgramName})
        EXPECT_FALSE(Shown(page, hidden)) << hidden;
    Click(page, kPowerButton);
    EXPECT_EQ(SendDlgItemMessageA(page, kHotKeyList, LB_GETCURSEL, 0, 0), 4);
}

TEST_F(HotKeysPage, CancelWritesNothing) {
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    Click(page, kCustomChoice);
    Type(page, kAddress, "http://a.b/");
    sheet().PressCancel();
    EXPECT_TRUE(sheet().Ended());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD));
}

TEST_F(HotKeysPage, EachApplyTellsTheAgentsPopupOnceTheKeysAreWritten) {
    StartAgentPopup();
    OpenSheet();
    sheet().PressApply();
    std::vector<ReceivedMessage> received = popup().Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, static_cast<UINT>(WM_WININICHANGE));
    EXPECT_EQ(received[0].wParam, 0u);
    EXPECT_EQ(received[0].lParam, 0);
    EXPECT_EQ(received[0].keys_then, (std::vector<std::string>{"Calculator", "Mail", "My Computer", "Search"}));

    Show(kDisplayPage);
    Show(kOptionsPage);
    sheet().PressOk();
    received = popup().Received();
    ASSERT_EQ(received.size(), 4u) << "one notification a page";
    for (const ReceivedMessage& message : received) EXPECT_EQ(message.message, static_cast<UINT>(WM_WININICHANGE));
    EXPECT_EQ(received[2].keys_then,
              (std::vector<std::string>{"Calculator", "Display", "Mail", "My Computer", "Search"}));
    EXPECT_EQ(received[3].keys_then.size(), 6u);
}

TEST_F(HotKeysPage, WithNoAgentAtOpeningApplyWritesAndSendsNothing) {
    OpenSheet();
    StartAgentPopup();
    sheet().PressApply();
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kSearchKey));
    EXPECT_TRUE(popup().Received().empty());
}

}  // namespace
}  // namespace kp_test
