// EditFilterList through Wine's setupapi against device nodes made in the prefix, on the NT
// platform the test itself runs on.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "agent/logic/filter_services.h"
#include "agent/win32/filter_install.h"
#include "tools/fixtures/device_node.h"

namespace {

using namespace std::string_literals;
using fixtures::DeviceNode;
using fixtures::ReceiverIds;

const char* const kHotKeyAdd = kFilterServices[1].add_command;
const char* const kHotKeyRemove = kFilterServices[1].remove_command;

class FilterEdit : public testing::Test {
protected:
    std::unique_ptr<DeviceNode> Node(const std::string& ids) {
        auto node = std::make_unique<DeviceNode>(ids);
        EXPECT_TRUE(node->created()) << "device node " << GetLastError();
        return node;
    }
};

TEST_F(FilterEdit, TheHotKeyInterfaceOfAnyRevisionGetsTheFilterInFrontAndNothingElseChanges) {
    auto bare = Node(ReceiverIds("MI_01", "0100"));
    auto listed = Node(ReceiverIds("MI_01", "2345"));
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto stranger = Node("USB\\VID_1F3D&PID_3801&REV_0100&MI_01\0"s);
    ASSERT_TRUE(listed->SetLowerFilters("other\0\0"s));

    EXPECT_EQ(EditFilterList(kHotKeyAdd, false), FilterEditResult::Added);
    EXPECT_EQ(bare->LowerFilters().bytes, "UVXNFTR\0\0"s);
    EXPECT_EQ(listed->LowerFilters().bytes, "UVXNFTR\0other\0\0"s);
    EXPECT_FALSE(keyboard->LowerFilters().exists);
    EXPECT_FALSE(stranger->LowerFilters().exists);

    EXPECT_EQ(EditFilterList(kHotKeyAdd, false), FilterEditResult::AlreadyPresent);
    EXPECT_EQ(listed->LowerFilters().bytes, "UVXNFTR\0other\0\0"s);

    EXPECT_EQ(EditFilterList(kHotKeyRemove, false), FilterEditResult::NoChange);
    EXPECT_FALSE(bare->LowerFilters().exists);
    EXPECT_EQ(listed->LowerFilters().bytes, "other\0\0"s);
}

TEST_F(FilterEdit, AFilterFurtherDownTheListIsNotAddedTwice) {
    auto node = Node(ReceiverIds("MI_01", "0001"));
    ASSERT_TRUE(node->SetLowerFilters("kbdhid\0uvxnftr\0\0"s));
    EXPECT_EQ(EditFilterList(kHotKeyAdd, false), FilterEditResult::AlreadyPresent);
    EXPECT_EQ(node->LowerFilters().bytes, "kbdhid\0uvxnftr\0\0"s);
}

TEST_F(FilterEdit, ANameThatOnlyEndsWithTheFilterDoesNotCount) {
    auto node = Node(ReceiverIds("MI_01", "0001"));
    ASSERT_TRUE(node->SetLowerFilters("XUVXNFTR\0\0"s));
    EXPECT_EQ(EditFilterList(kHotKeyAdd, false), FilterEditResult::Added);
    EXPECT_EQ(node->LowerFilters().bytes, "UVXNFTR\0XUVXNFTR\0\0"s);
    EXPECT_EQ(EditFilterList(kHotKeyRemove, false), FilterEditResult::NoChange);
    EXPECT_EQ(node->LowerFilters().bytes, "XUVXNFTR\0\0"s);
}

TEST_F(FilterEdit, AListLongerThanAnyFixedBufferIsKeptWhole) {
    auto node = Node(ReceiverIds("MI_01", "0001"));
    std::string list;
    for (int i = 0; i < 60; ++i) list += "LongFilterName" + std::to_string(100 + i) + '\0';
    list += '\0';
    ASSERT_GT(list.size(), 1024u);
    ASSERT_TRUE(node->SetLowerFilters(list));
    EXPECT_EQ(EditFilterList(kHotKeyAdd, false), FilterEditResult::Added);
    EXPECT_EQ(node->LowerFilters().bytes, "UVXNFTR\0"s + list);
}

// Wine counts a registered node as present whether or not a driver runs for it, so the
// present-only edit of an arrival reaches it too.
TEST_F(FilterEdit, ARegisteredNodeIsPresentForTheEditOfAnArrival) {
    auto node = Node(ReceiverIds("MI_01", "0001"));
    EXPECT_EQ(EditFilterList(kHotKeyAdd, true), FilterEditResult::Added);
    EXPECT_EQ(node->LowerFilters().bytes, "UVXNFTR\0\0"s);
}

TEST_F(FilterEdit, ACommandThatCantBeParsedChangesNothing) {
    auto node = Node(ReceiverIds("MI_01", "0001"));
    EXPECT_EQ(EditFilterList("USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01 UVXNFTR -x -LOWER", false),
              FilterEditResult::NoChange);
    EXPECT_FALSE(node->LowerFilters().exists);
}

}  // namespace
