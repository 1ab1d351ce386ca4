// When the demo keeps a picture of the screen: nothing of a bare desktop, nothing a picture
// already shows, and nothing a screenshot step right after will show.
#include "tools/simulator/script/picture_rule.h"

#include <gtest/gtest.h>

namespace {

using sim::PictureWanted;
using sim::StepKind;

const std::vector<uint32_t> kBareDesktop(12, 0x3A6EA5);
const std::vector<uint32_t> kWindow = {0x3A6EA5, 0xFFFFFF, 0xFFFFFF, 0x3A6EA5};
const std::vector<uint32_t> kWindowMoved = {0xFFFFFF, 0xFFFFFF, 0x3A6EA5, 0x3A6EA5};

TEST(PictureRule, OnlyAScreenThatShowsSomethingNewIsKept) {
    EXPECT_FALSE(PictureWanted(StepKind::Set, false, kBareDesktop, {})) << "the bare desktop";
    EXPECT_FALSE(PictureWanted(StepKind::Screenshot, false, kBareDesktop, {})) << "the bare desktop, even asked for";
    EXPECT_TRUE(PictureWanted(StepKind::Apps, false, kWindow, {}));
    EXPECT_FALSE(PictureWanted(StepKind::Report, false, kWindow, kWindow)) << "as the last picture";
    EXPECT_TRUE(PictureWanted(StepKind::Report, false, kWindowMoved, kWindow));
    EXPECT_FALSE(PictureWanted(StepKind::Agent, true, kWindowMoved, kWindow)) << "left to the screenshot";
    EXPECT_TRUE(PictureWanted(StepKind::Screenshot, false, kWindow, kWindow)) << "asked for";
}

}  // namespace
