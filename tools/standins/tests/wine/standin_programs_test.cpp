// The stand-in programs leave nothing behind, even a copy whose program is still ending when
// its test is over: a copy left there keeps its name, and the next test's copy of another case
// ("wmplayer.exe" over "WMPlayer.exe") would record under the old one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tools/standins/standin_programs.h"

namespace {

TEST(StandInPrograms, ACopyWhoseProgramStillRunsGoesOnceTheProgramHasEnded) {
    std::string path;
    {
        standins::StandInPrograms programs;
        path = programs.Register("WMPlayer.exe");
        std::string line = "\"" + path + "\" /play";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(CreateProcessA(path.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process))
            << "error " << GetLastError();
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path << " was left behind";
}

}  // namespace
