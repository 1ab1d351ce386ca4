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
    OpenServerSheet(dll_, "Mouse", 2, start, sheet_);
}

::testing::AssertionResult StoredNumber(const char* name, DWORD number) {
    return StoredAs(kWheelKey, name, REG_DWORD, NumberBytes(number));
}

}  // namespace mp_test
