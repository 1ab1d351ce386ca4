#include "agent/logic/filter_command.h"

#include <gtest/gtest.h>

namespace {

FilterCommand Parsed(const char* text) {
    FilterCommand command;
    EXPECT_TRUE(ParseFilterCommand(text, &command)) << text;
    return command;
}

bool Refused(const char* text) {
    FilterCommand command;
    return !ParseFilterCommand(text, &command);
}

TEST(FilterCommand, TheAgentsAddCommandNamesIdFilterLowerListAndFront) {
    const FilterCommand c = Parsed("USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01 UVXNFTR -ADD -LOWER");
    EXPECT_EQ(c.hardware_id, "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01");
    EXPECT_EQ(c.filter_name, "UVXNFTR");
    EXPECT_EQ(c.list, FilterListKind::Lower);
    EXPECT_EQ(c.position, FilterPosition::First);
}

TEST(FilterCommand, WithoutOptionsTheUpperListAndTheFront) {
    const FilterCommand c = Parsed("id name");
    EXPECT_EQ(c.list, FilterListKind::Upper);
    EXPECT_EQ(c.position, FilterPosition::First);
}

TEST(FilterCommand, TabsSeparateAndQuotesKeepBlanks) {
    const FilterCommand c = Parsed("\t\"ROOT\\my device\"\t  \"a b\"  /lower");
    EXPECT_EQ(c.hardware_id, "ROOT\\my device");
    EXPECT_EQ(c.filter_name, "a b");
    EXPECT_EQ(c.list, FilterListKind::Lower);
}

TEST(FilterCommand, AbbreviationsTakeTheFirstWordInOrder) {
    EXPECT_EQ(Parsed("id f -lo").list, FilterListKind::Lower);
    EXPECT_EQ(Parsed("id f -l").list, FilterListKind::Lower);  // "lower" comes before "last"
    EXPECT_EQ(Parsed("id f -la").position, FilterPosition::Last);
    EXPECT_EQ(Parsed("id f -a").position, FilterPosition::First);  // "add" comes before "after"
    EXPECT_EQ(Parsed("id f -r").position, FilterPosition::Remove);
    EXPECT_EQ(Parsed("id f /REMOVEX").position, FilterPosition::Remove);  // compared over "remove"
    EXPECT_TRUE(Refused("id f -x"));
}

TEST(FilterCommand, RemoveNamesTheFilterItself) {
    const FilterCommand c = Parsed("id UVXNFTR -REMOVE -LOWER");
    EXPECT_EQ(c.position, FilterPosition::Remove);
    EXPECT_EQ(c.reference, "UVXNFTR");
}

TEST(FilterCommand, BeforeAndAfterTakeTheNextTokenAsTheirReference) {
    FilterCommand c = Parsed("id f -before kbdclass");
    EXPECT_EQ(c.position, FilterPosition::Before);
    EXPECT_EQ(c.reference, "kbdclass");
    c = Parsed("-af other id f");
    EXPECT_EQ(c.position, FilterPosition::After);
    EXPECT_EQ(c.reference, "other");
    EXPECT_EQ(c.hardware_id, "id");
    EXPECT_TRUE(Refused("id f -before"));
    EXPECT_TRUE(Refused("id f -after"));
}

TEST(FilterCommand, AThirdPlainTokenOrAMissingNameIsRefused) {
    EXPECT_TRUE(Refused("id f extra"));
    EXPECT_TRUE(Refused("id -add"));
    EXPECT_TRUE(Refused("  "));
}

}  // namespace
