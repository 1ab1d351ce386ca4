// The setup and its uninstaller run silently, as a deployment tool runs them, in a prefix made
// for this run alone with the receiver's two interfaces as device nodes. What the setup puts in
// place is looked at where Windows and its programs find it; after the uninstaller the machine
// is compared with the machine before the setup.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/registry_names.h"
#include "setup/tests/wine/setup_run.h"
#include "setup/tests/wine/setup_windows.h"
#include "tools/fixtures/device_node.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/winsupport/build_files.h"

namespace {

using namespace std::string_literals;
using namespace setup_test;
using sheet_test::ReadText;
using sheet_test::ReadValue;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvanta Skyrel";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kMakerKey = "HKLM\\Software\\Orvanta";

// Whether a change of the machine is one of the kept settings (or the key that holds them).
bool KeptSetting(const std::string& change) {
    const std::string name = change.substr(2);
    return name.compare(0, kMakerKey.size(), kMakerKey) == 0 &&
           (name.size() == kMakerKey.size() || name[kMakerKey.size()] == '\\');
}

// Where the setup puts each deliverable: the drivers where their services expect them, the
// applet and the status page where the control panel and COM look, the rest in its own folder.
std::string Destination(const std::string& name) {
    if (name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".sys") == 0) return DriversFolder();
    if (lstrcmpiA(name.c_str(), "skyrel.cpl") == 0 || lstrcmpiA(name.c_str(), "statuspage.DLL") == 0)
        return SystemFolder();
    return InstallFolder();
}

struct Deliverable {
    std::string name;
    DWORD size;
};

// Everything the setup was built from, itself excepted.
std::vector<Deliverable> Deliverables() {
    std::vector<Deliverable> files;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(DistFile("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && lstrcmpiA(found.cFileName, "skyrel-setup.exe") != 0)
            files.push_back({found.cFileName, found.nFileSizeLow});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

DWORD FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

FILETIME WriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

DWORD Number(HKEY root, const std::string& key, const char* name) {
    const sheet_test::RawValue value = ReadValue(root, key, name);
    return value.present && value.bytes.size() == sizeof(DWORD) ? *reinterpret_cast<const DWORD*>(value.bytes.data())
                                                                : 0xFFFFFFFF;
}

// The pages shell32 finds below a control panel applet's key, counted in a process of its own.
DWORD ShellPages(const char* applet) {
    return fixtures::RunProgram(Quoted(winsupport::BuildFile("setup_shell_pages.exe")) + " \"" +
                                        KB_REG_CONTROLS_FOLDER + applet + "\"");
}

// A user's settings, as the Keyboard and Mouse control panels and the status applet write them.
const struct {
    const char* key;
    const char* value;
    DWORD number;
} kUserSettings[] = {
    {KB_REG_KEYBOARD_OPTION, KB_VAL_CAPS_LOCK, 1},
    {KB_REG_WHEEL, KB_VAL_SCROLL_LINE, 7},
    {KB_REG_SKYREL, KB_VAL_USB_LOCK, 1},
};

class SilentSetup : public testing::Test {
protected:
    static void SetUpTestSuite() {
        keyboard_ = new fixtures::DeviceNode(fixtures::ReceiverIds("MI_00", "0100"));
        hotkeys_ = new fixtures::DeviceNode(fixtures::ReceiverIds("MI_01", "0100"));
        // 98 and ME keep the filter list in the hardware key, which the device's installer makes.
        nodes_made_ = keyboard_->CreateHardwareKey() && hotkeys_->CreateHardwareKey();
        keyboard_->SetLowerFilters("kbdhid\0\0"s);
    }

    static void TearDownTestSuite() {
        delete keyboard_;
        delete hotkeys_;
    }

    void SetUp() override {
        ASSERT_TRUE(nodes_made_) << "no device nodes for the receiver";
        ASSERT_FALSE(AgentRunning()) << "an agent of an earlier test still runs";
        before_ = TakeMachineState();
        pending_before_ = FilesPendingRestart().size();
    }

    void TearDown() override {
        SetWindowsVersion(nullptr);
        for (const auto& setting : kUserSettings) sheet_test::DeleteTree(HKEY_LOCAL_MACHINE, setting.key);
        sheet_test::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Orvanta");
    }

    static void WriteUserSettings() {
        for (const auto& setting : kUserSettings) sheet_test::WriteNumber(HKEY_LOCAL_MACHINE, setting.key, setting.value, setting.number);
    }

    static void ExpectUserSettings() {
        for (const auto& setting : kUserSettings)
            EXPECT_EQ(Number(HKEY_LOCAL_MACHINE, setting.key, setting.value), setting.number) << setting.key << " " << setting.value;
    }

    // The files that a run added to those waiting for the next restart.
    std::vector<std::string> NewlyPending(size_t before) const {
        std::vector<std::string> pending = FilesPendingRestart();
        pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(std::min(before, pending.size())));
        return pending;
    }

    // The uninstaller ran (with `exit_code`): nothing of the product is left but the kept
    // settings and the files Windows removes at the next restart, and it asked for that restart
    // exactly when a file other than itself waits for it.
    void ExpectRemoved(DWORD exit_code, size_t pending_before_uninstall) {
        EXPECT_FALSE(AgentRunning());
        const std::vector<std::string> pending = FilesPendingRestart();
        for (const std::string& change : before_.ChangesTo(TakeMachineState())) {
            EXPECT_TRUE(KeptSetting(change) || PendingRestart(change, pending)) << "left behind: " << change;
        }
        bool waits_for_restart = false;
        for (const std::string& file : NewlyPending(pending_before_uninstall)) {
            if (lstrcmpiA(file.c_str(), InstallFolder().c_str()) != 0 &&
                lstrcmpiA(file.c_str(), (InstallFolder() + "\\uninstall.exe").c_str()) != 0)
                waits_for_restart = true;
        }
        EXPECT_EQ(exit_code, waits_for_restart ? kRestartNeeded : 0u);
        EXPECT_EQ(keyboard_->LowerFilters().bytes, "kbdhid\0\0"s);
        EXPECT_EQ(hotkeys_->LowerFilters().bytes, "");
    }

    MachineState before_;
    size_t pending_before_ = 0;
    static fixtures::DeviceNode* keyboard_;
    static fixtures::DeviceNode* hotkeys_;
    static bool nodes_made_;
};

fixtures::DeviceNode* SilentSetup::keyboard_ = nullptr;
fixtures::DeviceNode* SilentSetup::hotkeys_ = nullptr;
bool SilentSetup::nodes_made_ = false;

TEST_F(SilentSetup, PutsEverythingWhereWindowsFindsItAndTheUninstallerLeavesOnlyTheSettings) {
    ASSERT_EQ(RunSetup("/S"), kRestartNeeded) << "a first install needs a restart";

    const std::vector<Deliverable> deliverables = Deliverables();
    ASSERT_GE(deliverables.size(), 10u);
    for (const Deliverable& file : deliverables)
        EXPECT_EQ(FileSize(Destination(file.name) + "\\" + file.name), file.size) << file.name;
    const std::string uninstaller = InstallFolder() + "\\uninstall.exe";
    EXPECT_TRUE(FileExists(uninstaller));

    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    for (const char* service : {KB_REG_SERVICE_UVXNFTR, KB_REG_SERVICE_LVXNFTR})
        EXPECT_TRUE(FileExists(std::string(windows) + "\\" + ReadText(HKEY_LOCAL_MACHINE, service, "ImagePath"))) << service;
    EXPECT_EQ(keyboard_->LowerFilters().bytes, "LVXNFTR\0kbdhid\0\0"s);
    EXPECT_EQ(hotkeys_->LowerFilters().bytes, "UVXNFTR\0\0"s);

    EXPECT_EQ(ShellPages("Keyboard"), 3u) << "the Keyboard control panel's pages";
    EXPECT_EQ(ShellPages("Mouse"), 2u) << "the Mouse control panel's pages";
    EXPECT_TRUE(ControlPanelOpensTheApplet());

    const std::string agent = Quoted(InstallFolder() + "\\keyagent.exe");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kRunKey, "Skyrel"), agent);
    EXPECT_NE(WaitForAgent(), nullptr) << "the setup started no agent";

    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Orvanta Skyrel");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "Orvanta");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), KB_PRODUCT_VERSION);
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon"), InstallFolder() + "\\keyagent.exe,0");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), Quoted(uninstaller));
    DWORD shipped = 0;
    for (const Deliverable& file : deliverables) shipped += file.size;
    // In kilobytes, each file's rounded up.
    const DWORD estimated = Number(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize");
    EXPECT_GE(estimated, shipped / 1024);
    EXPECT_LE(estimated, shipped / 1024 + deliverables.size());

    WriteUserSettings();
    const size_t pending = FilesPendingRestart().size();
    const DWORD removed = RunUninstaller("/S");
    ASSERT_NE(removed, fixtures::kNotRun);
    ExpectRemoved(removed, pending);
    ExpectUserSettings();
}

// A folder where uvxnftr.sys goes: the setup's copy has to wait for the next restart, and
// "keyagent.exe /install" finds no driver to install. The setup says so with its exit code
// rather than asking for a restart that would not make the hot keys work.
TEST_F(SilentSetup, EndsWithAnInstallFailureWhenTheAgentCouldNotInstallTheFilters) {
    const std::string in_the_way = DriversFolder() + "\\uvxnftr.sys";
    ASSERT_TRUE(CreateDirectoryA(in_the_way.c_str(), nullptr));
    EXPECT_EQ(RunSetup("/S"), kInstallFailed);
    EXPECT_EQ(hotkeys_->LowerFilters().bytes, "") << "a filter without its driver was written";
    RemoveDirectoryA(in_the_way.c_str());

    const size_t pending = FilesPendingRestart().size();
    const DWORD removed = RunUninstaller("/S");
    ASSERT_NE(removed, fixtures::kNotRun);
    ExpectRemoved(removed, pending);
}

TEST_F(SilentSetup, OverAnInstalledCopyKeepsTheSettingsAndReplacesFilesInUseAtTheNextRestart) {
    ASSERT_EQ(RunSetup("/S"), kRestartNeeded);
    WriteUserSettings();
    const HWND first_agent = WaitForAgent();
    ASSERT_NE(first_agent, nullptr);
    DWORD first_id = 0;
    GetWindowThreadProcessId(first_agent, &first_id);
    const HANDLE first = OpenProcess(SYNCHRONIZE, FALSE, first_id);

    // The hook library stays mapped in every program its hooks reached; an older driver.
    const std::string hook = InstallFolder() + "\\wheelhook.dll";
    const HMODULE held = LoadLibraryA(hook.c_str());
    ASSERT_NE(held, nullptr);
    const std::string driver = DriversFolder() + "\\uvxnftr.sys";
    const FILETIME shipped_time = WriteTime(driver);
    const FILETIME older = {shipped_time.dwLowDateTime, shipped_time.dwHighDateTime - 1};
    const HANDLE file = CreateFileA(driver.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &older));
    CloseHandle(file);

    size_t pending = FilesPendingRestart().size();
    EXPECT_EQ(RunSetup("/S"), kRestartNeeded);
    EXPECT_EQ(WaitForSingleObject(first, 0), WAIT_OBJECT_0) << "the running agent was not stopped";
    CloseHandle(first);
    HWND agent = WaitForAgent();
    DWORD agent_id = 0;
    GetWindowThreadProcessId(agent, &agent_id);
    EXPECT_NE(agent_id, first_id) << "no new agent started";
    const FILETIME installed_time = WriteTime(driver);
    EXPECT_EQ(CompareFileTime(&shipped_time, &installed_time), 0) << "the older driver stayed";
    const std::vector<std::string> waiting = NewlyPending(pending);
    EXPECT_TRUE(PendingRestart("~ " + hook, waiting)) << "the hook library in use is not replaced at the restart";
    ExpectUserSettings();
    FreeLibrary(held);

    // Nothing changed: a restart only if a file waits for it, whoever holds it.
    pending = FilesPendingRestart().size();
    const DWORD again = RunSetup("/S");
    EXPECT_EQ(again, NewlyPending(pending).empty() ? 0u : kRestartNeeded);

    pending = FilesPendingRestart().size();
    const DWORD removed = RunUninstaller("/S");
    ASSERT_NE(removed, fixtures::kNotRun);
    ExpectRemoved(removed, pending);
    ExpectUserSettings();
}

#if !defined(_WIN64)
// The same setup on Windows 98: the filters go into the devices' hardware keys.
TEST_F(SilentSetup, InstallsAndUninstallsOnWindows98) {
    SetWindowsVersion("win98");
    ASSERT_EQ(RunSetup("/S"), kRestartNeeded);
    EXPECT_EQ(keyboard_->HardwareKeyLowerFilters().bytes.substr(0, 8), "LVXNFTR\0"s);
    EXPECT_EQ(hotkeys_->HardwareKeyLowerFilters().bytes.substr(0, 8), "UVXNFTR\0"s);
    EXPECT_NE(WaitForAgent(), nullptr) << "the setup started no agent";

    const size_t pending = FilesPendingRestart().size();
    const DWORD removed = RunUninstaller("/S");
    ASSERT_NE(removed, fixtures::kNotRun);
    ExpectRemoved(removed, pending);
    EXPECT_EQ(keyboard_->HardwareKeyLowerFilters().bytes, "");
    EXPECT_EQ(hotkeys_->HardwareKeyLowerFilters().bytes, "");
}
#endif

}  // namespace
