#include "agent/logic/filter_services.h"

#include <gtest/gtest.h>

#include <cstring>

#include "agent/logic/filter_command.h"
#include "agent/logic/filter_edit_result.h"

namespace {

TEST(FilterServices, KeyboardFilterFirstAndEachCommandNamesItsOwnService) {
    EXPECT_STREQ(kFilterServices[0].name, "LVXNFTR");
    EXPECT_STREQ(kFilterServices[1].name, "UVXNFTR");
    const char* interfaces[] = {"MI_00", "MI_01"};
    for (int i = 0; i < kFilterServiceCount; ++i) {
        const FilterService& s = kFilterServices[i];
        FilterCommand add, remove;
        ASSERT_TRUE(ParseFilterCommand(s.add_command, &add));
        ASSERT_TRUE(ParseFilterCommand(s.remove_command, &remove));
        EXPECT_EQ(add.filter_name, s.name);
        EXPECT_EQ(add.list, FilterListKind::Lower);
        EXPECT_EQ(add.position, FilterPosition::First);
        EXPECT_EQ(remove.position, FilterPosition::Remove);
        EXPECT_EQ(add.hardware_id, remove.hardware_id);
        EXPECT_EQ(add.hardware_id, std::string("USB\\Vid_1f3c&Pid_3801&Rev_9999&") + interfaces[i]);
        EXPECT_NE(std::strstr(s.missing_driver_log, s.image_path), nullptr);
        EXPECT_NE(std::strstr(s.missing_service_log, s.name), nullptr);
    }
}

TEST(FilterServices, FiveValuesInTheirWritingOrder) {
    for (const FilterService& s : kFilterServices) {
        const char* names[] = {"Type", "ErrorControl", "Start", "DisplayName", "ImagePath"};
        for (int i = 0; i < kServiceValueCount; ++i) EXPECT_STREQ(s.values[i].name, names[i]);
        EXPECT_EQ(s.values[0].number, 1u);
        EXPECT_EQ(s.values[1].number, 0u);
        EXPECT_EQ(s.values[2].number, 3u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(s.values[i].type, ServiceValueType::Number);
        EXPECT_STREQ(s.values[3].text, "Orvanta Skyrel Human Interface");
        EXPECT_STREQ(s.values[4].text, s.image_path);
        EXPECT_EQ(s.values[4].type, ServiceValueType::Text);
    }
    EXPECT_STREQ(kFilterServices[0].image_path, "system32\\drivers\\lvxnftr.sys");
    EXPECT_STREQ(kFilterServices[1].image_path, "system32\\drivers\\uvxnftr.sys");
}

TEST(FilterEditResult, AddedOnlyForAWriteThatSucceededOnTheNtPlatform) {
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::NoChange, FilterListOutcome::Inserted, true, true),
              FilterEditResult::Added);
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::NoChange, FilterListOutcome::Inserted, false, true),
              FilterEditResult::NoChange);
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::NoChange, FilterListOutcome::Inserted, true, false),
              FilterEditResult::NoChange);
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::NoChange, FilterListOutcome::Removed, true, true),
              FilterEditResult::NoChange);
}

TEST(FilterEditResult, AlreadyPresentNeverHidesAnAdd) {
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::NoChange, FilterListOutcome::AlreadyPresent, false, true),
              FilterEditResult::AlreadyPresent);
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::Added, FilterListOutcome::AlreadyPresent, false, true),
              FilterEditResult::Added);
    EXPECT_EQ(CombineFilterEdit(FilterEditResult::AlreadyPresent, FilterListOutcome::Inserted, true, true),
              FilterEditResult::Added);
}

}  // namespace
