// The wheel pages' values against the fake registry: what opening shows of odd stored values,
// what saving writes when the key is missing, and the decisions the controls need.
#include "mousepages/logic/wheel_values.h"

#include <string>

#include <gtest/gtest.h>

#include "tools/fixtures/fake_registry.h"

namespace {

using reg_test::FakeRegistry;
using namespace mousepages;

const std::string kKey = "HKLM\\Software\\Orvanta\\ZU2-DIVUVER";

TEST(WheelValues, OddStoredValuesShowWithinTheHooksRanges) {
    FakeRegistry registry;
    registry.PutNumber(kKey, "Scroll Line", 100);
    registry.PutNumber(kKey, "Wheel Button", 5);
    registry.PutNumber(kKey, "Zoom Size", 400);
    registry.PutNumber(kKey, "Zoom Factor", 12);
    EXPECT_EQ(LoadWheelValues(registry).ScrollLines, 64u);
    ButtonValues button = LoadButtonValues(registry);
    EXPECT_EQ(button.WheelButton, 0u);
    EXPECT_EQ(button.ZoomSize, 300u);
    EXPECT_EQ(button.ZoomFactor, 10u);

    registry.PutNumber(kKey, "Scroll Line", 0);
    registry.PutNumber(kKey, "Zoom Factor", 0);
    EXPECT_EQ(LoadWheelValues(registry).ScrollLines, 1u);
    EXPECT_EQ(LoadButtonValues(registry).ZoomFactor, 1u);
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

// A value longer than four bytes can't be read whole; the starting value stays.
TEST(WheelValues, AValueThatDoesNotFitIsNotTaken) {
    FakeRegistry registry;
    registry.Put(kKey, "Scroll Line", reg::Registry::Type::Number, {9, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(LoadWheelValues(registry).ScrollLines, 3u);
}

TEST(WheelValues, SavingCreatesTheMissingKeyAndWritesFourBytesEach) {
    FakeRegistry registry;
    SaveButtonValues(registry, {2, 7, 3, 150});
    for (const auto& [name, number] : {std::pair<const char*, unsigned>{"Wheel Button", 2}, {"Function", 7},
                                       {"Zoom Factor", 3}, {"Zoom Size", 150}}) {
        const FakeRegistry::Value* value = registry.Find(kKey, name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(value->type, reg::Registry::Type::Number);
        EXPECT_EQ(value->bytes, (std::vector<unsigned char>{static_cast<unsigned char>(number), 0, 0, 0})) << name;
    }
    EXPECT_EQ(registry.OpenKeys(), 0u);
}

TEST(WheelValues, NegativeWheelButtonShowsAsAutoScrollAndNegativeFunctionAsNoRow) {
    EXPECT_EQ(WheelButtonChoice(0xFFFFFFFFu), 1);
    EXPECT_EQ(WheelButtonChoice(0x80000000u), 1);
    EXPECT_EQ(WheelButtonChoice(2), 2);
    EXPECT_EQ(FunctionRowShown(40), 0);
    EXPECT_LT(FunctionRowShown(0xFFFFFFFEu), 0);
    EXPECT_EQ(FunctionRowSaved(-1), 0u);
}

TEST(WheelValues, UpDownErrorHalfStoresThePagesValueWithinRange) {
    EXPECT_EQ(PositionInRange(150, 96, 0, 300), 150u);
    EXPECT_EQ(PositionInRange(0x00010000u | 150, 96, 0, 300), 96u) << "error half set";
    EXPECT_EQ(PositionInRange(0x00010000u, 0xFFFFFFFFu, 0, 300), 0u) << "a negative stored size";
    EXPECT_EQ(PositionInRange(0x00010000u, 0xFFFFFFFBu, 1, 10), 1u) << "a negative stored factor";
    EXPECT_EQ(PositionInRange(0xFFFF, 2, 1, 10), 1u) << "a position of -1";
}

TEST(WheelValues, PageModeTellsThePlatformOnePagePerNotch) {
    EXPECT_EQ(SystemScrollLines({99, 0, 0}), 99u);
    EXPECT_EQ(SystemScrollLines({5, 1, 0}), 0xFFFFFFFFu);
}

}  // namespace
