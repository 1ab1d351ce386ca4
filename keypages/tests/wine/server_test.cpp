// keypages.dll driven as the shell drives a property-sheet handler, call by call: the class
// object, the extension object's initialisation, its pages in a real PropertySheetA, and the
// reference counts that decide when the server may be unloaded.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include <gtest/gtest.h>

#include "keypages/dll/keypages_clsid.h"
#include "keypages/tests/wine/fake_data_object.h"
#include "tools/fixtures/sheets/server_dll.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/fixtures/sheets/test_sheet.h"

namespace {

using kp_test::FakeDataObject;
using sheet_test::References;

// {94054cfe-34c1-46dc-9c7f-aacef66e8a48}: one digit away from the server's.
constexpr CLSID kOtherClsid = {0x94054cfe, 0x34c1, 0x46dc, {0x9c, 0x7f, 0xaa, 0xce, 0xf6, 0x6e, 0x8a, 0x48}};

class Server : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dll_.module(), nullptr) << "LoadLibraryA, error " << GetLastError(); }
    sheet_test::ServerDll dll_{"keypages.dll", keypages::kKeyPagesClsid};
};

TEST_F(Server, GivesItsClassFactoryForItsClassIdOnly) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(dll_.GetClassObject(keypages::kKeyPagesClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE) << "a client holds the factory";
    factory->Release();
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK);

    void* other = &factory;
    EXPECT_EQ(dll_.GetClassObject(kOtherClsid, IID_IClassFactory, &other), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(other, nullptr);
}

TEST_F(Server, MakesAnExtensionWithBothShellInterfacesOnOneCount) {
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(References(extension), 1u);
    IShellPropSheetExt* sheet_extension = nullptr;
    ASSERT_EQ(extension->QueryInterface(IID_IShellPropSheetExt, reinterpret_cast<void**>(&sheet_extension)), S_OK);
    EXPECT_EQ(References(extension), 2u);
    IUnknown* identity = nullptr;
    ASSERT_EQ(sheet_extension->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(extension));
    identity->Release();
    EXPECT_EQ(sheet_extension->ReplacePage(EXPPS_FILETYPES, nullptr, 0), S_OK);
    void* none = &identity;
    EXPECT_EQ(extension->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);

    sheet_extension->Release();
    EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE) << "an extension object lives";
    EXPECT_EQ(extension->Release(), 0u);
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

TEST_F(Server, InitializeTakesADropListAndRefusesADataObjectWithout) {
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(extension->Initialize(nullptr, nullptr, nullptr), S_OK);

    FakeDataObject drop_list(FakeDataObject::Offer::DropList);
    EXPECT_EQ(extension->Initialize(nullptr, &drop_list, nullptr), S_OK);
    EXPECT_EQ(drop_list.references(), 2) << "the extension holds the data object";
    ASSERT_EQ(drop_list.asked().size(), 1u);
    EXPECT_EQ(drop_list.asked()[0].cfFormat, CF_HDROP);
    EXPECT_EQ(drop_list.asked()[0].tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_EQ(drop_list.media_released(), 1);

    FakeDataObject nothing(FakeDataObject::Offer::Nothing);
    EXPECT_EQ(extension->Initialize(nullptr, &nothing, nullptr), E_FAIL);
    EXPECT_EQ(drop_list.references(), 1) << "the first data object is let go by the second Initialize";
    FakeDataObject stream(FakeDataObject::Offer::DropListAsStream);
    EXPECT_EQ(extension->Initialize(nullptr, &stream, nullptr), E_FAIL);
    EXPECT_EQ(stream.media_released(), 1) << "a medium of the wrong kind is released all the same";
    EXPECT_EQ(nothing.references(), 1);

    EXPECT_EQ(extension->Release(), 0u);
    EXPECT_EQ(stream.references(), 1) << "the last data object goes with the extension";
}

TEST_F(Server, InitializeKeepsItsOwnCopyOfTheProgIdKeyAndClosesIt) {
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    HKEY first = nullptr;
    HKEY second = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\KeypagesTest\\First", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &first, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\KeypagesTest\\Second", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &second, nullptr), ERROR_SUCCESS);
    const DWORD before = sheet_test::HandleCount(first);
    ASSERT_NE(before, 0u) << "the handle count of a key can't be read";

    EXPECT_EQ(extension->Initialize(nullptr, nullptr, first), S_OK);
    EXPECT_EQ(sheet_test::HandleCount(first), before + 1) << "the extension opens a copy of the key";
    RegCloseKey(first);  // the caller's handle may go; the copy stays valid
    EXPECT_EQ(extension->Initialize(nullptr, nullptr, second), S_OK);
    EXPECT_EQ(sheet_test::HandleCount(second), before + 1);
    EXPECT_EQ(extension->Release(), 0u);
    EXPECT_EQ(sheet_test::HandleCount(second), before) << "the copy is closed with the extension";
    RegCloseKey(second);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KeypagesTest\\First");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KeypagesTest\\Second");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KeypagesTest");
}

TEST_F(Server, PagesThatTheSheetRefusesAreDestroyedAndHoldNothing) {
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    sheet_test::PageCollector refuser;
    refuser.accept = false;
    EXPECT_EQ(sheet_test::AddPages(extension, refuser), S_OK);
    EXPECT_EQ(References(extension), 1u) << "only the shell's reference is left";
    EXPECT_EQ(extension->Release(), 0u);
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

TEST_F(Server, AcceptedPagesKeepTheExtensionUntilTheSheetIsClosed) {
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    ASSERT_EQ(extension->Initialize(nullptr, nullptr, nullptr), S_OK);
    sheet_test::PageCollector collector;
    ASSERT_EQ(sheet_test::AddPages(extension, collector), S_OK);
    ASSERT_EQ(collector.pages.size(), 3u);
    EXPECT_EQ(References(extension), 4u) << "the shell's reference and one a page";

    sheet_test::TestSheet sheet("Keyboard", collector.pages);
    ASSERT_NE(sheet.window(), nullptr) << "PropertySheetA";
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet.window(), PSM_GETTABCONTROL, 0, 0));
    ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    const char* titles[] = {"Hot Keys", "On-Screen Display", "Options"};
    for (int i = 0; i < 3; ++i) {
        char title[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = sizeof title;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_STREQ(title, titles[i]);
    }
    // The shell lets go of its reference; the test takes one of its own to see the pages'.
    extension->AddRef();
    extension->Release();
    sheet.Destroy();
    EXPECT_EQ(References(extension), 1u) << "each page let go of exactly its own reference";
    EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE);
    EXPECT_EQ(extension->Release(), 0u);
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

TEST_F(Server, LockServerKeepsTheServerLoadedAndAnUnmatchedUnlockChangesNothing) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(dll_.GetClassObject(keypages::kKeyPagesClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE) << "locked";
    ASSERT_EQ(dll_.GetClassObject(keypages::kKeyPagesClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    IShellExtInit* extension = dll_.CreateExtension();
    ASSERT_NE(extension, nullptr);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();
    EXPECT_EQ(dll_.CanUnloadNow(), S_FALSE) << "an unlock with no lock must not count the live extension away";
    extension->Release();
    EXPECT_EQ(dll_.CanUnloadNow(), S_OK);
}

}  // namespace
