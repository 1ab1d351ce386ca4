#include "programstart/logic/app_path_command.h"

#include <string>

#include <gtest/gtest.h>

namespace {

std::string CommandLine(const char* path, size_t size = 300) {
    char out[300];
    if (!AppPathCommandLine(path, out, size)) return "(does not fit: \"" + std::string(out) + "\")";
    return out;
}

TEST(AppPathCommandLine, QuotesAPathThatIsNotQuotedYet) {
    EXPECT_EQ(CommandLine("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"),
              "\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\"");
    EXPECT_EQ(CommandLine("C:\\NETSCAPE\\NETSCAPE.EXE"), "\"C:\\NETSCAPE\\NETSCAPE.EXE\"");
    EXPECT_EQ(CommandLine("\"C:\\Program Files\\Netscape\\netscape.exe\""), "\"C:\\Program Files\\Netscape\\netscape.exe\"")
        << "already quoted: left as it is";
}

// The quotes and the NUL need room of their own: "ab" quoted takes 5 bytes.
TEST(AppPathCommandLine, AResultThatDoesNotFitIsRefusedWithNothingWritten) {
    EXPECT_EQ(CommandLine("ab", 5), "\"ab\"");
    EXPECT_EQ(CommandLine("ab", 4), "(does not fit: \"\")");
    EXPECT_EQ(CommandLine("\"ab\"", 4), "(does not fit: \"\")");
    char untouched = 'x';
    EXPECT_FALSE(AppPathCommandLine("ab", &untouched, 0));
    EXPECT_EQ(untouched, 'x');
}

}  // namespace
