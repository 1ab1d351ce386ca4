// The status-page server's stand-in as its callers meet it: loaded by name, its class-object
// request answered CLASS_E_CLASSNOTAVAILABLE whatever is asked, through the export itself, through
// ole32 with the server registered as the agent registers it, and through shell32 loading the
// handlers of a control panel's key.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string>

#include <gtest/gtest.h>

#include "tools/winsupport/build_files.h"

namespace {

// The class id the agent registers for the status page.
const char kStatusPageClassId[] = "{c760afa1-df5a-4349-b9f3-ccfafa3cd4ea}";
// A class id of this test's own for the ole32 and shell32 paths, so the agent's registration
// in the same prefix is never touched.
const char kTestClassId[] = "{4b1d7c62-93a5-4e0f-8c2b-6a1f0e9d3b57}";
const char kHostKey[] = "Software\\KbTests\\StatusPageHost";

CLSID ClassId(const char* text) {
    wchar_t wide[64];
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64);
    CLSID id = {};
    EXPECT_EQ(CLSIDFromString(wide, &id), S_OK) << text;
    return id;
}

using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, LPVOID*);
using CanUnloadNowFunction = HRESULT(WINAPI*)();

TEST(StatusPage, ExportsAnswerNoClassAndAllowUnloading) {
    HMODULE server = LoadLibraryA(winsupport::BuildFile("statuspage.DLL").c_str());
    ASSERT_NE(server, nullptr) << "error " << GetLastError();
    auto get_class_object = reinterpret_cast<GetClassObjectFunction>(reinterpret_cast<void*>(GetProcAddress(server, "DllGetClassObject")));
    auto can_unload_now = reinterpret_cast<CanUnloadNowFunction>(reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    ASSERT_NE(get_class_object, nullptr);
    ASSERT_NE(can_unload_now, nullptr);
    for (const char* id : {kStatusPageClassId, kTestClassId}) {
        for (REFIID interface_id : {IID_IClassFactory, IID_IUnknown}) {
            void* object = reinterpret_cast<void*>(1);
            EXPECT_EQ(get_class_object(ClassId(id), interface_id, &object), CLASS_E_CLASSNOTAVAILABLE) << id;
            EXPECT_EQ(object, nullptr) << "the out pointer is cleared, " << id;
        }
    }
    EXPECT_EQ(get_class_object(ClassId(kStatusPageClassId), IID_IClassFactory, nullptr), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(can_unload_now(), S_OK);
    FreeLibrary(server);
}

class RegisteredStatusPage : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        const std::string server = "CLSID\\" + std::string(kTestClassId) + "\\InProcServer32";
        const std::string path = winsupport::BuildFile("statuspage.DLL");
        ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, server.c_str(), REG_SZ, path.c_str(), DWORD(path.size())),
                  ERROR_SUCCESS);
        HKEY key;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, server.c_str(), 0, KEY_WRITE, &key), ERROR_SUCCESS);
        RegSetValueExA(key, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>("Apartment"), 10);
        RegCloseKey(key);
        const std::string handler = std::string(kHostKey) + "\\shellex\\PropertySheetHandlers\\Status";
        ASSERT_EQ(RegSetValueA(HKEY_LOCAL_MACHINE, handler.c_str(), REG_SZ, kTestClassId, sizeof kTestClassId - 1),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, ("CLSID\\" + std::string(kTestClassId)).c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\KbTests");
        CoUninitialize();
    }
};

TEST_F(RegisteredStatusPage, Ole32PassesOnTheServersAnswerAndUnloadsIt) {
    ASSERT_EQ(GetModuleHandleA("statuspage.DLL"), nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(ClassId(kTestClassId), nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, &object),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_NE(GetModuleHandleA("statuspage.DLL"), nullptr) << "ole32 answered without loading the server";
    // An apartment's server that answers DllCanUnloadNow with S_OK goes at once.
    CoFreeUnusedLibraries();
    EXPECT_EQ(GetModuleHandleA("statuspage.DLL"), nullptr) << "ole32 kept the server loaded";
}

BOOL CALLBACK CountPage(HPROPSHEETPAGE page, LPARAM count) {
    DestroyPropertySheetPage(page);
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST_F(RegisteredStatusPage, ShellLoadsTheHandlersAndGetsNoPage) {
    wchar_t host[64];
    MultiByteToWideChar(CP_ACP, 0, kHostKey, -1, host, 64);
    ASSERT_EQ(GetModuleHandleA("statuspage.DLL"), nullptr);
    HPSXA handlers = SHCreatePropSheetExtArray(HKEY_LOCAL_MACHINE, host, 8);
    EXPECT_NE(GetModuleHandleA("statuspage.DLL"), nullptr) << "shell32 did not load the server";
    int pages = 0;
    if (handlers != nullptr) {
        EXPECT_EQ(SHAddFromPropSheetExtArray(handlers, CountPage, reinterpret_cast<LPARAM>(&pages)), 0u);
        SHDestroyPropSheetExtArray(handlers);
    }
    EXPECT_EQ(pages, 0);
}

}  // namespace
