#include "keypages/tests/wine/pages_fixture.h"

namespace kp_test {

void KeyboardPages::SetUp() {
    DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
    ASSERT_NE(dll_.module(), nullptr) << "LoadLibraryA, error " << GetLastError();
}

void KeyboardPages::TearDown() {
    sheet_.reset();
    popup_.reset();
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK) << "an object of the server outlived its sheet";
}

void KeyboardPages::OpenSheet(int start) {
    OpenServerSheet(dll_, "Keyboard", 3, start, sheet_);
}

}  // namespace kp_test
