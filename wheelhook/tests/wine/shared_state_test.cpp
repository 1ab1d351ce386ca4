// The library's state is one record for every process that maps it.
#include "wheelhook/tests/wine/hook_fixture.h"

#include <cstring>
#include <string>

#include "common/registry_names.h"
#include "wheelhook/wheelhook.h"

namespace wheeltest {
namespace {

using SharedStateTest = WheelHookTest;

TEST_F(SharedStateTest, SecondProcessScrollsWithTheSettingsThisOneLoaded) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 4);
    Install();
    // Changed in the registry but not reloaded: a peer that read the registry itself would
    // scroll 9 lines, one with a private copy of the image's state 0 lines.
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 9);
    ClearSeen();
    const std::string window = std::to_string(reinterpret_cast<ULONG_PTR>(list_));
    ASSERT_EQ(RunPeer("scroll " + window + " 120"), 0u);
    ASSERT_TRUE(PostMarkerAndWait()) << "the peer's posts came before it ended";
    const std::vector<Posted> posts = ScrollPosts();
    ASSERT_EQ(posts.size(), 4u);
    for (const Posted& p : posts) {
        EXPECT_EQ(p.message, static_cast<UINT>(WM_VSCROLL));
        EXPECT_EQ(p.wparam, static_cast<WPARAM>(SB_LINEUP));
    }
}

TEST(SharedSection, IsMarkedSharedInTheImage) {
    auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleA("wheelhook.dll"));
    ASSERT_NE(base, nullptr);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    const IMAGE_SECTION_HEADER* shared = nullptr;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i)
        if (std::memcmp(section[i].Name, ".SHARED", IMAGE_SIZEOF_SHORT_NAME) == 0)
            shared = &section[i];
    ASSERT_NE(shared, nullptr);
    EXPECT_TRUE(shared->Characteristics & IMAGE_SCN_MEM_SHARED);
    EXPECT_TRUE(shared->Characteristics & IMAGE_SCN_MEM_WRITE);
    EXPECT_TRUE(shared->Characteristics & IMAGE_SCN_CNT_INITIALIZED_DATA);
}

}  // namespace
}  // namespace wheeltest
