// The stand-in programs leave nothing behind, even a copy whose program is still ending when
// its test is over: a copy left there keeps its name, and the next test's copy of another case
// ("wmplayer.exe" over "WMPlayer.exe") would record under the old one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tools/fixtures/program_start.h"
#include "tools/standins/standin_programs.h"

namespace {

TEST(StandInPrograms, ACopyWhoseProgramStillRunsGoesOnceTheProgramHasEnded) {
    std::string path;
    {
        standins::StandInPrograms programs;
        path = programs.Register("WMPlayer.exe");
        const HANDLE process = fixtures::StartProgram("\"" + path + "\" /play", "", path).process;
        ASSERT_NE(process, nullptr) << "error " << GetLastError();
        CloseHandle(process);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path << " was left behind";
}

}  // namespace
