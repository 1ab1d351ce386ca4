// The two wheel pages in a sheet of their own, on a machine whose wheel settings each test sets
// up: the fixture of every test that drives the pages.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "common/registry_names.h"
#include "mousepages/dll/mousepages_clsid.h"
#include "mousepages/logic/mousepages_resources.h"
#include "tools/fixtures/sheets/server_dll.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/fixtures/sheets/test_sheet.h"

namespace mp_test {

using namespace sheet_test;

enum PageIndex { kWheelPage, kWheelButtonPage };

const std::string kWheelKey = KB_REG_WHEEL;

class MousePages : public testing::Test {
protected:
    void SetUp() override;
    // The sheet is gone, and with it every object of the server.
    void TearDown() override;

    // Makes an extension as the shell does, hands its pages to a sheet that opens at `start`,
    // and lets go of the shell's reference.
    void OpenSheet(int start = kWheelPage);
    void CloseSheet() { sheet_.reset(); }
    HWND Show(int page) { return sheet_->Show(page); }
    TestSheet& sheet() { return *sheet_; }

    ServerDll dll_{"mousepages.dll", mousepages::kMousePagesClsid};

private:
    std::unique_ptr<TestSheet> sheet_;
};

// A wheel setting as stored: a REG_DWORD of these four bytes.
::testing::AssertionResult StoredNumber(const char* name, DWORD number);

}  // namespace mp_test
