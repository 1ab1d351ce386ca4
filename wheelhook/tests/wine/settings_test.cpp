// Settings changed in the registry reach the running hooks through the broadcast that the
// mouse settings pages send, answered by the zoom window.
#include "wheelhook/tests/wine/hook_fixture.h"

#include "common/registry_names.h"
#include "wheelhook/wheelhook.h"

namespace wheeltest {
namespace {

using SettingsTest = WheelHookTest;

TEST_F(SettingsTest, BroadcastReloadsTheSettings) {
    WriteWheelSetting(KB_VAL_SCROLL_LINE, 3);
    Install();
    ASSERT_EQ(ScrollPostsAfterNotch(WHEEL_DELTA).size(), 3u);

    WriteWheelSetting(KB_VAL_SCROLL_LINE, 2);
    EXPECT_EQ(ScrollPostsAfterNotch(WHEEL_DELTA).size(), 3u) << "not read before the broadcast";

    BroadcastSettingsChange();
    std::vector<Posted> posts = ScrollPostsAfterNotch(WHEEL_DELTA);
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(posts[0].wparam, static_cast<WPARAM>(SB_LINEUP));

    WriteWheelSetting(KB_VAL_SCROLL_REVERSE, 1);
    WriteWheelSetting(KB_VAL_SCROLL_MODE, 1);
    BroadcastSettingsChange();
    posts = ScrollPostsAfterNotch(WHEEL_DELTA);
    ASSERT_EQ(posts.size(), 1u) << "page mode: one page per notch whatever Scroll Line holds";
    EXPECT_EQ(posts[0].wparam, static_cast<WPARAM>(SB_PAGEDOWN));
}

TEST_F(SettingsTest, ReadFilterRegistryTellsWhetherTheKeyExists) {
    EXPECT_NE(ReadFilterRegistry(), 0);
    DeleteWheelSettings();
    EXPECT_EQ(ReadFilterRegistry(), 0);
}

}  // namespace
}  // namespace wheeltest
