#include "mousepages/tests/wine/mouse_sheet.h"

namespace mp_test {

void MousePages::SetUp() {
    DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);
    ASSERT_NE(dll_.module(), nullptr) << "LoadLibraryA, error " << GetLastError();
}

void MousePages::TearDown() {
    sheet_.reset();
    DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK) << "an object of the server outlived its sheet";
}

void MousePages::OpenSheet(int start) {
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    ASSERT_EQ(extension->Initialize(nullptr, nullptr, nullptr), S_OK);
    PageCollector collector;
    ASSERT_EQ(AddPages(extension, collector), S_OK);
    extension->Release();
    ASSERT_EQ(collector.pages.size(), 2u);
    sheet_.reset(new TestSheet("Mouse", collector.pages, start));
    ASSERT_NE(sheet_->window(), nullptr) << "PropertySheetA";
}

::testing::AssertionResult StoredNumber(const char* name, DWORD number) {
    return StoredAs(kWheelKey, name, REG_DWORD, NumberBytes(number));
}

}  // namespace mp_test
