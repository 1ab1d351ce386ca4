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
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    ASSERT_EQ(extension->Initialize(nullptr, nullptr, nullptr), S_OK);
    PageCollector collector;
    ASSERT_EQ(AddPages(extension, collector), S_OK);
    extension->Release();
    ASSERT_EQ(collector.pages.size(), 3u);
    sheet_.reset(new TestSheet("Keyboard", collector.pages, start));
    ASSERT_NE(sheet_->window(), nullptr) << "PropertySheetA";
}

}  // namespace kp_test
