#include "agent/logic/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, InstallAndUninstallIgnoreCaseButNotALeadingBlank) {
    EXPECT_EQ(ClassifyCommandLine("/install"), AgentCommand::Install);
    EXPECT_EQ(ClassifyCommandLine("/INSTALL"), AgentCommand::Install);
    EXPECT_EQ(ClassifyCommandLine("/UnInstall"), AgentCommand::Uninstall);
    EXPECT_EQ(ClassifyCommandLine(" /install"), AgentCommand::Run);
    EXPECT_EQ(ClassifyCommandLine("/install "), AgentCommand::Run);
    EXPECT_EQ(ClassifyCommandLine("/instal"), AgentCommand::Run);
}

TEST(CommandLine, StopIsTheExactLowerCaseText) {
    EXPECT_EQ(ClassifyCommandLine("/u"), AgentCommand::StopOther);
    EXPECT_EQ(ClassifyCommandLine("/U"), AgentCommand::Run);
    EXPECT_EQ(ClassifyCommandLine("/u "), AgentCommand::Run);
    EXPECT_EQ(ClassifyCommandLine(""), AgentCommand::Run);
}

TEST(CommandLine, StopOnlyStopsARunningAgentAndAnythingElseDefersToIt) {
    EXPECT_EQ(DecideStart(AgentCommand::StopOther, true), StartDecision::PostDestroyAndExit);
    EXPECT_EQ(DecideStart(AgentCommand::StopOther, false), StartDecision::Run);
    EXPECT_EQ(DecideStart(AgentCommand::Run, true), StartDecision::ExitAtOnce);
    EXPECT_EQ(DecideStart(AgentCommand::Run, false), StartDecision::Run);
    EXPECT_EQ(DecideStart(AgentCommand::Install, true), StartDecision::Install);
}

TEST(CommandLine, TheComparedTextFollowsTheProgramNameAndOneBlank) {
    EXPECT_STREQ(CommandTextAfterProgram("keyagent.exe /u"), "/u");
    EXPECT_STREQ(CommandTextAfterProgram("\"C:\\a b\\keyagent.exe\" /install"), "/install");
    EXPECT_STREQ(CommandTextAfterProgram("keyagent.exe  /install"), " /install");
    EXPECT_STREQ(CommandTextAfterProgram("keyagent.exe"), "");
    EXPECT_STREQ(CommandTextAfterProgram("\"unterminated"), "");
}

}  // namespace
