#include "wheelhook/logic/wheel_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(WheelSettings, CorrectionsAfterLoading) {
    struct Case {
        const char* what;
        WheelSettings stored;
        WheelSettings used;
    };
    const Case cases[] = {
        {"nothing stored", {0, 0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 1, 0}},
        {"page mode scrolls one page", {1, 5, 0, 0, 96, 2, 0}, {1, 1, 0, 0, 96, 2, 0}},
        {"line mode keeps its lines", {0, 5, 1, 2, 96, 2, 7}, {0, 5, 1, 2, 96, 2, 7}},
        {"zero factor acts as 1", {0, 3, 0, 0, 96, 0, 0}, {0, 3, 0, 0, 96, 1, 0}},
        {"mode 2 is not page mode", {2, 4, 0, 0, 96, 3, 0}, {2, 4, 0, 0, 96, 3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WheelSettings s = c.stored;
        CorrectWheelSettings(s);
        EXPECT_EQ(s.ScrollMode, c.used.ScrollMode);
        EXPECT_EQ(s.ScrollLine, c.used.ScrollLine);
        EXPECT_EQ(s.ScrollReverse, c.used.ScrollReverse);
        EXPECT_EQ(s.WheelButton, c.used.WheelButton);
        EXPECT_EQ(s.ZoomSize, c.used.ZoomSize);
        EXPECT_EQ(s.ZoomFactor, c.used.ZoomFactor);
        EXPECT_EQ(s.Function, c.used.Function);
    }
}

TEST(WheelSettings, UsableFactorBeforeTheFirstLoad) {
    const WheelSettings initial = {0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(UsableZoomFactor(initial), 1u);
    const WheelSettings three = {0, 0, 0, 0, 0, 3, 0};
    EXPECT_EQ(UsableZoomFactor(three), 3u);
}

}  // namespace
