// "/install", "/uninstall", the filter check and the restart prompt, each run in a process of its
// own as keyagent runs them, against device nodes made in the prefix; on the NT platform and, with
// that process's Windows version set to win98, on platform 1, which the code picks by itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "agent/logic/filter_edit_result.h"
#include "agent/logic/filter_list.h"
#include "agent/logic/filter_services.h"
#include "agent/tests/wine/filter_install_prefix.h"
#include "agent/tests/wine/registry_values.h"
#include "agent/win32/filter_install_prompt.h"
#include "tools/fixtures/device_node.h"
#include "tools/fixtures/program_start.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

using namespace std::string_literals;
using fixtures::DeviceNode;
using filter_test::DriverFiles;
using filter_test::ServiceKeyExists;
using fixtures::ReceiverIds;

constexpr const char* kPeer = "agent_filter_install_peer.exe";

struct PeerRun {
    DWORD exit_code;
    std::vector<std::string> lines;  // [0] is the platform the peer saw
};

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

class Peer {
public:
    Peer(const char* version, const std::string& arguments) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        log_ = std::string(temp) + "filter_install_peer_" + std::to_string(GetTickCount()) + ".log";
        agenttest::SetProgramVersion(kPeer, version);
        std::string command = "\"" + winsupport::BuildFile(kPeer) + "\" \"" + log_ + "\" " + arguments;
        process_ = fixtures::StartProgram(command).process;
    }
    ~Peer() {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
            CloseHandle(process_);
        }
        agenttest::SetProgramVersion(kPeer, nullptr);
        DeleteFileA(log_.c_str());
    }

    PeerRun Finish() {
        PeerRun run = {999, {}};
        if (process_ == nullptr || WaitForSingleObject(process_, winetest::SLOW_WAIT_LIMIT_MS) != WAIT_OBJECT_0)
            return run;
        GetExitCodeProcess(process_, &run.exit_code);
        run.lines = ReadLines(log_);
        return run;
    }

private:
    HANDLE process_ = nullptr;
    std::string log_;
};

PeerRun RunPeer(const char* version, const std::string& arguments) { return Peer(version, arguments).Finish(); }

bool HasLine(const PeerRun& run, const std::string& line) {
    for (const std::string& l : run.lines) {
        if (l == line) return true;
    }
    return false;
}

struct ServiceValueRead {
    DWORD type;
    std::string bytes;
};

ServiceValueRead ReadServiceValue(const FilterService& service, const char* name) {
    ServiceValueRead read = {REG_NONE, std::string(512, '\0')};
    DWORD size = static_cast<DWORD>(read.bytes.size());
    if (RegGetValueA(HKEY_LOCAL_MACHINE, service.key, name, RRF_RT_ANY | RRF_NOEXPAND, &read.type, &read.bytes[0],
                     &size) != ERROR_SUCCESS) {
        return {REG_NONE, ""};
    }
    read.bytes.resize(size);
    return read;
}

void ExpectServiceValues(const FilterService& service) {
    const std::string image = service.image_path + "\0"s;
    const struct {
        const char* name;
        DWORD type;
        std::string bytes;
    } expected[] = {
        {"Type", REG_DWORD, "\1\0\0\0"s},
        {"ErrorControl", REG_DWORD, "\0\0\0\0"s},
        {"Start", REG_DWORD, "\3\0\0\0"s},
        {"DisplayName", REG_SZ, "Orvanta Skyrel Human Interface\0"s},
        {"ImagePath", REG_SZ, image},
    };
    for (const auto& value : expected) {
        const ServiceValueRead read = ReadServiceValue(service, value.name);
        EXPECT_EQ(read.type, value.type) << service.name << " " << value.name;
        EXPECT_EQ(read.bytes, value.bytes) << service.name << " " << value.name;
    }
}

class FilterInstall : public testing::Test {
protected:
    void TearDown() override { RunPeer("winxp", "uninstall"); }

    std::unique_ptr<DeviceNode> Node(const std::string& ids) {
        auto node = std::make_unique<DeviceNode>(ids);
        EXPECT_TRUE(node->created());
        return node;
    }

    DriverFiles drivers_;
};

TEST_F(FilterInstall, InstallThenUninstallOnXpLeavesTheListsAsTheyWere) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0210"));
    auto stranger = Node("HID\\VID_1F3C&PID_3802&REV_0100&MI_01\0"s);
    ASSERT_TRUE(keyboard->SetLowerFilters("kbdhid\0\0"s));

    const PeerRun install = RunPeer("winxp", "install");
    ASSERT_FALSE(install.lines.empty());
    EXPECT_EQ(install.lines[0], "platform 2 5.1");
    EXPECT_EQ(install.exit_code, static_cast<DWORD>(FilterEditResult::Added));
    for (const FilterService& service : kFilterServices) ExpectServiceValues(service);
    EXPECT_EQ(keyboard->LowerFilters().bytes, "LVXNFTR\0kbdhid\0\0"s);
    EXPECT_EQ(hotkey->LowerFilters().bytes, "UVXNFTR\0\0"s);
    EXPECT_FALSE(stranger->LowerFilters().exists);

    const PeerRun check = RunPeer("winxp", "check");
    EXPECT_EQ(check.exit_code, 1u);
    EXPECT_TRUE(HasLine(check, "Filter Driver exist"));

    RunPeer("winxp", "uninstall");
    for (const FilterService& service : kFilterServices) EXPECT_FALSE(ServiceKeyExists(service)) << service.name;
    EXPECT_EQ(keyboard->LowerFilters().bytes, "kbdhid\0\0"s);
    EXPECT_FALSE(hotkey->LowerFilters().exists);
}

TEST_F(FilterInstall, TheInstallOfAnArrivalReachesThePresentReceiver) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0100"));
    const PeerRun install = RunPeer("winxp", "install-present");
    EXPECT_EQ(install.exit_code, static_cast<DWORD>(FilterEditResult::Added));
    EXPECT_EQ(keyboard->LowerFilters().bytes, "LVXNFTR\0\0"s);
    EXPECT_EQ(hotkey->LowerFilters().bytes, "UVXNFTR\0\0"s);
    EXPECT_EQ(RunPeer("winxp", "install-present").exit_code, static_cast<DWORD>(FilterEditResult::AlreadyPresent));
}

TEST_F(FilterInstall, TheCheckWithoutAReceiverSaysTheFilterIsMissing) {
    const PeerRun check = RunPeer("winxp", "check");
    EXPECT_EQ(check.exit_code, 0u);
    EXPECT_TRUE(HasLine(check, "Filter Driver doesn't exist"));
}

TEST_F(FilterInstall, AFilterWhoseDriverFileIsMissingIsLeftOutAndLogged) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0100"));
    if (!drivers_.Remove(kFilterServices[0])) GTEST_SKIP() << "the prefix has its own lvxnftr.sys";
    const PeerRun install = RunPeer("winxp", "install");
    EXPECT_TRUE(HasLine(install, kFilterServices[0].missing_driver_log));
    EXPECT_FALSE(keyboard->LowerFilters().exists);
    EXPECT_EQ(hotkey->LowerFilters().bytes, "UVXNFTR\0\0"s);
}

TEST_F(FilterInstall, OnPlatformOneTheHardwareKeyHoldsTheListAndAnAddChangesNoResult) {
    auto keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto hotkey = Node(ReceiverIds("MI_01", "0777"));
    ASSERT_TRUE(keyboard->CreateHardwareKey());
    ASSERT_TRUE(hotkey->CreateHardwareKey());
    ASSERT_TRUE(hotkey->SetHardwareKeyLowerFilters("other\0\0"s));

    const PeerRun install = RunPeer("win98", "install");
    ASSERT_FALSE(install.lines.empty());
    EXPECT_EQ(install.lines[0], "platform 1 4.10");
    EXPECT_EQ(install.exit_code, static_cast<DWORD>(FilterEditResult::NoChange));
    // A new list is a REG_SZ there, which platform 1 keeps up to its first NUL.
    EXPECT_EQ(NormaliseFilterList(keyboard->HardwareKeyLowerFilters().bytes.data(),
                                  keyboard->HardwareKeyLowerFilters().bytes.size()),
              "LVXNFTR\0\0"s);
    EXPECT_EQ(hotkey->HardwareKeyLowerFilters().bytes, "UVXNFTR\0other\0\0"s);
    EXPECT_FALSE(keyboard->LowerFilters().exists);
    EXPECT_FALSE(hotkey->LowerFilters().exists);
    for (const FilterService& service : kFilterServices) ExpectServiceValues(service);

    EXPECT_EQ(RunPeer("win98", "edit \""s + kFilterServices[1].add_command + "\"").exit_code,
              static_cast<DWORD>(FilterEditResult::AlreadyPresent));

    RunPeer("win98", "uninstall");
    EXPECT_FALSE(keyboard->HardwareKeyLowerFilters().exists);
    EXPECT_EQ(hotkey->HardwareKeyLowerFilters().bytes, "other\0\0"s);
}

TEST_F(FilterInstall, OnPlatformOneADeviceWithoutAHardwareKeyIsSkipped) {
    auto hotkey = Node(ReceiverIds("MI_01", "0100"));
    const PeerRun install = RunPeer("winme", "install");
    ASSERT_FALSE(install.lines.empty());
    EXPECT_EQ(install.lines[0], "platform 1 4.90");
    EXPECT_FALSE(hotkey->HardwareKeyLowerFilters().exists);
    EXPECT_FALSE(hotkey->LowerFilters().exists);
}

class CollectedLog : public FilterLog {
public:
    void Write(const char* text) override { lines.push_back(text); }
    std::vector<std::string> lines;
};

// Two receivers plugged in one after the other on XP, each adding its filters to nodes that are
// present: the first arrival is only logged, the second schedules the prompt on the window.
TEST_F(FilterInstall, OnXpTheSecondReceiverThatAddsAFilterSchedulesThePrompt) {
    constexpr UINT_PTR kPromptTimer = 118;
    HWND window = CreateWindowExA(0, "STATIC", "filter arrival", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CollectedLog log;
    AgentDeviceChangeActions actions(window, kPromptTimer, log);
    bool new_device = false;
    const DeviceChangeNotice arrival = {KB_DBT_DEVICEARRIVAL, true, "\\\\?\\HID#VID_1F3C&PID_3801&MI_00#1", true, false};

    auto first_keyboard = Node(ReceiverIds("MI_00", "0100"));
    auto first_hotkey = Node(ReceiverIds("MI_01", "0100"));
    HandleDeviceChange(arrival, true, &new_device, log, actions);
    EXPECT_TRUE(new_device);
    EXPECT_EQ(log.lines.back(), "Found New Device, need re-boot");
    EXPECT_FALSE(KillTimer(window, kPromptTimer));
    EXPECT_EQ(first_hotkey->LowerFilters().bytes, "UVXNFTR\0\0"s);

    auto second_keyboard = Node(ReceiverIds("MI_00", "0200"));
    auto second_hotkey = Node(ReceiverIds("MI_01", "0200"));
    log.lines.clear();
    HandleDeviceChange(arrival, true, &new_device, log, actions);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Device Arrival, device name=" + arrival.device_name, "Found MI_00"}));
    EXPECT_TRUE(KillTimer(window, kPromptTimer));
    EXPECT_EQ(second_keyboard->LowerFilters().bytes, "LVXNFTR\0\0"s);
    DestroyWindow(window);
}

}  // namespace
