// The three keyboard pages in a sheet of their own, on a machine whose hot-key settings are
// set up by each test: the fixture of every test that drives the pages.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "common/registry_names.h"
#include "keypages/dll/keypages_clsid.h"
#include "keypages/tests/wine/popup_stand_in.h"
#include "tools/fixtures/sheets/server_dll.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/fixtures/sheets/test_sheet.h"

namespace kp_test {

using namespace sheet_test;

// The pages in the order they are added.
enum PageIndex { kHotKeysPage, kDisplayPage, kOptionsPage };

class KeyboardPages : public testing::Test {
protected:
    void SetUp() override;
    // The sheet is gone, and with it every object of the server.
    void TearDown() override;

    // Makes an extension as the shell does, hands its pages to a sheet that opens at `start`,
    // and lets go of the shell's reference.
    void OpenSheet(int start = kHotKeysPage);
    // The page, shown as its tab would show it.
    HWND Show(int page) { return sheet_->Show(page); }
    TestSheet& sheet() { return *sheet_; }
    // A window of the agent popup's class, before the sheet opens.
    void StartAgentPopup() { popup_.reset(new PopupStandIn); }
    PopupStandIn& popup() { return *popup_; }

    ServerDll dll_{"keypages.dll", keypages::kKeyPagesClsid};

private:
    std::unique_ptr<TestSheet> sheet_;
    std::unique_ptr<PopupStandIn> popup_;
};

// Full paths of the settings keys, for the registry helpers.
const std::string kSearchKey = KB_REG_KEYBOARD_SEARCH;
const std::string kMailKey = KB_REG_KEYBOARD_MAIL;
const std::string kMyComputerKey = KB_REG_KEYBOARD_MY_COMPUTER;
const std::string kCalculatorKey = KB_REG_KEYBOARD_CALCULATOR;
const std::string kDisplayKey = KB_REG_KEYBOARD_DISPLAY;
const std::string kOptionKey = KB_REG_KEYBOARD_OPTION;

}  // namespace kp_test
