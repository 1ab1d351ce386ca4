#include "agent/logic/filter_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

FilterCommand Command(FilterPosition position, const std::string& reference = "") {
    FilterCommand c;
    c.list = FilterListKind::Lower;
    c.position = position;
    c.hardware_id = "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01";
    c.filter_name = "UVXNFTR";
    c.reference = position == FilterPosition::Remove ? "UVXNFTR" : reference;
    return c;
}

TEST(FilterList, AMissingOrEmptyListIsOneNul) {
    EXPECT_EQ(NormaliseFilterList(nullptr, 0), "\0"s);
    EXPECT_EQ(NormaliseFilterList("", 0), "\0"s);
    EXPECT_EQ(NormaliseFilterList("\0\0", 2), "\0"s);
}

TEST(FilterList, AListWithoutItsNulsGetsThemAndTrailingBytesGo) {
    EXPECT_EQ(NormaliseFilterList("kbdhid", 6), "kbdhid\0\0"s);
    EXPECT_EQ(NormaliseFilterList("a\0\0junk", 7), "a\0\0"s);
}

TEST(FilterList, AddToTheEmptyListGivesTheNameAndTwoNuls) {
    const FilterListEdit e = EditFilterList(Command(FilterPosition::First), "\0"s);
    EXPECT_EQ(e.outcome, FilterListOutcome::Inserted);
    EXPECT_EQ(e.bytes, "UVXNFTR\0\0"s);
    EXPECT_EQ(e.bytes.size(), 9u);
}

TEST(FilterList, PositionsFrontEndBeforeAndAfter) {
    const std::string list = "a\0b\0\0"s;
    EXPECT_EQ(EditFilterList(Command(FilterPosition::First), list).bytes, "UVXNFTR\0a\0b\0\0"s);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::Last), list).bytes, "a\0b\0UVXNFTR\0\0"s);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::Before, "B"), list).bytes, "a\0UVXNFTR\0b\0\0"s);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::After, "A"), list).bytes, "a\0UVXNFTR\0b\0\0"s);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::Before, "z"), list).bytes, "UVXNFTR\0a\0b\0\0"s);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::After, "z"), list).bytes, "a\0b\0UVXNFTR\0\0"s);
}

TEST(FilterList, AlreadyPresentAnywhereInTheListAndInAnyCase) {
    EXPECT_EQ(EditFilterList(Command(FilterPosition::First), "uvxnftr\0\0"s).outcome,
              FilterListOutcome::AlreadyPresent);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::First), "kbd\0Uvxnftr\0\0"s).outcome,
              FilterListOutcome::AlreadyPresent);
}

TEST(FilterList, ANameThatOnlyEndsWithTheFilterIsAnotherFilter) {
    const FilterListEdit e = EditFilterList(Command(FilterPosition::First), "XUVXNFTR\0\0"s);
    EXPECT_EQ(e.outcome, FilterListOutcome::Inserted);
    EXPECT_EQ(e.bytes, "UVXNFTR\0XUVXNFTR\0\0"s);
}

TEST(FilterList, RemovingTheOnlyEntryLeavesSizeZero) {
    const FilterListEdit e = EditFilterList(Command(FilterPosition::Remove), "uvxnftr\0\0"s);
    EXPECT_EQ(e.outcome, FilterListOutcome::Removed);
    EXPECT_EQ(e.bytes.size(), 0u);
}

TEST(FilterList, RemovalTakesEveryCopyAndKeepsTheOthers) {
    const FilterListEdit e = EditFilterList(Command(FilterPosition::Remove), "UVXNFTR\0a\0uvxnftr\0\0"s);
    EXPECT_EQ(e.outcome, FilterListOutcome::Removed);
    EXPECT_EQ(e.bytes, "a\0\0"s);
}

TEST(FilterList, RemovingAFilterTheListLacksWritesNothing) {
    EXPECT_EQ(EditFilterList(Command(FilterPosition::Remove), "a\0\0"s).outcome, FilterListOutcome::Unchanged);
    EXPECT_EQ(EditFilterList(Command(FilterPosition::Remove), "\0"s).outcome, FilterListOutcome::Unchanged);
}

TEST(HardwareId, AnyRevisionOfTheReceiverMatches) {
    const std::string wanted = "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01";
    const std::string ids = "USB\\VID_1F3C&PID_3801&REV_0123&MI_01\0USB\\VID_1F3C&PID_3801&MI_01\0\0"s;
    EXPECT_TRUE(HardwareIdMatches(ids.data(), ids.size(), wanted));
    const std::string other = "USB\\VID_1F3C&PID_3801&REV_0123&MI_00\0\0"s;
    EXPECT_FALSE(HardwareIdMatches(other.data(), other.size(), wanted));
}

TEST(HardwareId, AShortFirstIdIsNotOverwrittenIntoTheNextOne) {
    // "9999" written at 26 over this first id's NUL would join it to the next id and make the
    // receiver's id out of the two.
    const std::string ids = "USB\\Vid_1f3c&Pid_3801&Rev_\0" "123&MI_01\0\0"s;
    EXPECT_FALSE(HardwareIdMatches(ids.data(), ids.size(), "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01"));
    EXPECT_TRUE(HardwareIdMatches(ids.data(), ids.size(), "usb\\vid_1f3c&pid_3801&rev_"));
}

TEST(HardwareId, AnIdWithoutItsNulIsReadNoFurtherThanItsSize) {
    const char ids[] = {'R', 'O', 'O', 'T', 'X'};
    EXPECT_TRUE(HardwareIdMatches(ids, 4, "root"));
}

}  // namespace
