#include "agent/logic/action_player_search.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class FakeFiles : public PlayerFileProbe {
public:
    explicit FakeFiles(std::set<std::string> files) : files_(std::move(files)) {}
    bool Exists(const char* path) const override {
        asked.insert(path);
        return files_.count(path) != 0;
    }
    mutable std::set<std::string> asked;

private:
    std::set<std::string> files_;
};

}  // namespace

TEST(PlayerSearch, PathThatDoesNotFitIsSkippedNotCut) {
    char out[kPlayerPathSize];
    const std::string fits(kPlayerPathSize - 1 - 1 - 4, 'd');  // directory, '\', "a.ex", NUL
    EXPECT_TRUE(JoinPlayerPath(out, sizeof out, fits.c_str(), "a.ex"));
    EXPECT_EQ(std::string(out), fits + "\\a.ex");
    EXPECT_FALSE(JoinPlayerPath(out, sizeof out, fits.c_str(), "a.exe"));
    EXPECT_STREQ(out, "");
}

TEST(PlayerSearch, ProgramFilesFolderFromTheDriveRoot) {
    char out[kPlayerPathSize];
    EXPECT_TRUE(ProgramFilesFolder(out, sizeof out, "D:\\WINNT", "Windows Media Player"));
    EXPECT_STREQ(out, "D:\\Program Files\\Windows Media Player");
    EXPECT_FALSE(ProgramFilesFolder(out, sizeof out, "C:\\WINDOWS", std::string(70, 'x').c_str()));
    EXPECT_FALSE(ProgramFilesFolder(out, sizeof out, "C:", "x"));
}

TEST(PlayerSearch, FirstDirectoryWinsAndLongFoldersAreNeverProbed) {
    PlayerEntry rows[kPlayerCount];
    ResetPlayerTable(rows);
    const std::string long_folder = "C:\\" + std::string(72, 'L');
    FakeFiles files({"C:\\WINDOWS\\CDPlayer.exe", "C:\\WINDOWS\\System\\CDPlayer.exe",
                     "C:\\WINDOWS\\System\\MPlayer2.EXE", long_folder + "\\wmplayer.exe"});
    ProbePlayerDirectory(rows, "C:\\WINDOWS", files);
    ProbePlayerDirectory(rows, "C:\\WINDOWS\\System", files);
    ProbePlayerDirectory(rows, long_folder.c_str(), files);

    EXPECT_STREQ(rows[0].path, "C:\\WINDOWS\\CDPlayer.exe");
    EXPECT_EQ(files.asked.count("C:\\WINDOWS\\System\\CDPlayer.exe"), 0u);
    EXPECT_TRUE(rows[2].found);
    EXPECT_FALSE(rows[1].found);
    EXPECT_FALSE(rows[3].found);
    for (const std::string& path : files.asked) EXPECT_LT(path.size(), kPlayerPathSize) << path;

    EXPECT_EQ(FoundPlayerCount(rows), 2);
    EXPECT_EQ(PlayerRowForListEntry(rows, 1), 2);
    EXPECT_EQ(PlayerRowForListEntry(rows, 2), -1);
    EXPECT_EQ(PlayerRowForListEntry(rows, -1), -1);
}

TEST(PlayerSearch, DotEntriesAreNotFolders) {
    EXPECT_FALSE(IsSearchableFolderName("."));
    EXPECT_FALSE(IsSearchableFolderName(".."));
    EXPECT_TRUE(IsSearchableFolderName("...x"));
}
