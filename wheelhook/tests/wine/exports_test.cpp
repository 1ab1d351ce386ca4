// The library's exports sit at their ordinals, and programs bind them by ordinal alone.
#include <windows.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "wheelhook/wheelhook.h"

namespace {

TEST(Exports, EachNameSitsAtItsOrdinal) {
    HMODULE library = GetModuleHandleA("wheelhook.dll");
    ASSERT_NE(library, nullptr);
    const char* names[] = {"WEP", "InstallMouseFilter", "MouseFilterFunc", "ReadFilterRegistry",
                           "ProcWheel", "ProcWheelEx"};
    for (int ordinal = 1; ordinal <= 6; ++ordinal) {
        SCOPED_TRACE(names[ordinal - 1]);
        FARPROC by_ordinal = GetProcAddress(library, MAKEINTRESOURCEA(ordinal));
        ASSERT_NE(by_ordinal, nullptr);
        EXPECT_EQ(GetProcAddress(library, names[ordinal - 1]), by_ordinal);
    }
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(7)), nullptr);
    EXPECT_EQ(WEP(), 1);
}

// What the import library put into this program: the list of wheelhook.dll's imports, each
// an ordinal without a name.
std::vector<WORD> OrdinalsImportedFromWheelhook(bool& any_by_name) {
    auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<WORD> ordinals;
    any_by_name = false;
    for (auto* desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         desc->Name != 0; ++desc) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + desc->Name), "wheelhook.dll") != 0) continue;
        for (auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
             thunk->u1.Ordinal != 0; ++thunk) {
            if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal))
                ordinals.push_back(static_cast<WORD>(IMAGE_ORDINAL(thunk->u1.Ordinal)));
            else
                any_by_name = true;
        }
    }
    return ordinals;
}

TEST(Exports, ImportLibraryBindsByOrdinal) {
    bool any_by_name = true;
    const std::vector<WORD> ordinals = OrdinalsImportedFromWheelhook(any_by_name);
    EXPECT_FALSE(any_by_name);
    bool install = false;
    for (WORD ordinal : ordinals) install = install || ordinal == 2;
    EXPECT_TRUE(install) << "InstallMouseFilter is imported as ordinal 2";
}

}  // namespace
