// kbsim: plays a session file against the receiver test bench and the filter driver under test,
// and prints what came out of the filter's control device and what the HID driver received.
//
//   kbsim [--filter SERVICE FILE.sys] [--agent] [--pictures FOLDER] SESSION
//
// With --agent, keyagent.exe from the program's folder is started once the drivers run and is
// the reader of the filter's control device; after the session its log lines are printed. A
// session may also start and stop the agent itself ("agent start"). With --pictures, a picture
// of the screen is kept in FOLDER at each step that changed what the screen shows, and
// FOLDER\index.html shows the steps and their pictures in order.
//
// The filter is uvxnftr.sys (service UVXNFTR) from the program's own folder unless another is
// named. The bench driver kbbench.sys and the test variants of the companion filter's stand-in,
// lvxnftr_test.sys (which takes fed keyboard activity), and of the keyboard filter's,
// uovkbftr_test.sys (which takes fed hot-key codes), are taken from that folder too; a keyboard
// filter whose device is already there is used as it is.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "deviceclient/device_handle.h"
#include "outside/lvxnftr/companion_interface.h"
#include "outside/uovkbftr/keyboard_filter_interface.h"
#include "tools/simulator/client/agent_watch.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/simulator/script/session_script.h"
#include "tools/simulator/session_player.h"
#include "tools/winsupport/build_files.h"

namespace {

constexpr DWORD kAgentSettleMs = 500;

struct Options {
    std::string filter_service = KB_FILTER_SERVICE_NAME;
    std::string filter_file = "uvxnftr.sys";
    const char* session = nullptr;
    bool with_agent = false;
    std::string pictures;
};

bool ParseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--filter") == 0 && i + 2 < argc) {
            options->filter_service = argv[++i];
            options->filter_file = argv[++i];
        } else if (std::strcmp(argv[i], "--pictures") == 0 && i + 1 < argc) {
            options->pictures = argv[++i];
        } else if (std::strcmp(argv[i], "--agent") == 0) {
            options->with_agent = true;
        } else if (!options->session && argv[i][0] != '-') {
            options->session = argv[i];
        } else {
            return false;
        }
    }
    return options->session != nullptr;
}

// A bare file name is looked for beside the program.
std::string Locate(const std::string& file) {
    return file.find_first_of("\\/:") == std::string::npos ? winsupport::BuildFile(file.c_str()) : file;
}

bool ReadFileText(const char* path, std::string* text) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text->append(chunk, n);
    std::fclose(f);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr, "usage: kbsim [--filter SERVICE FILE.sys] [--agent] [--pictures FOLDER] SESSION\n");
        return 2;
    }
    std::string text;
    if (!ReadFileText(options.session, &text)) {
        std::fprintf(stderr, "kbsim: can't read the session file %s\n", options.session);
        return 2;
    }
    sim::Script script = sim::ParseScript(text);
    for (const sim::ScriptError& error : script.errors) {
        std::fprintf(stderr, "%s:%d: %s\n", options.session, error.line, error.message.c_str());
    }
    if (!script.errors.empty()) return 2;

    winsupport::DriverService companion(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME));
    if (!companion.running()) std::printf("the companion filter did not start (%s)\n", companion.error().c_str());
    // The agent opens the keyboard filter once, at its start, and never again: a keyboard filter
    // already running is fed as it is, never replaced under the agent's handle.
    std::unique_ptr<winsupport::DriverService> keyboard_filter;
    if (!devclient::DeviceHandle(KB_KEYBOARD_FILTER_USER_PATH).valid()) {
        keyboard_filter.reset(new winsupport::DriverService(KB_KEYBOARD_FILTER_SERVICE_NAME,
                                                            winsupport::BuildFile(KB_KEYBOARD_FILTER_TEST_FILE_NAME)));
        if (!keyboard_filter->running())
            std::printf("the keyboard filter did not start (%s)\n", keyboard_filter->error().c_str());
    }
    sim::BenchSession session(options.filter_service.c_str(), Locate(options.filter_file));
    if (!session.ready()) {
        std::fprintf(stderr, "kbsim: %s\n", session.error().c_str());
        return 1;
    }
    std::printf("session %s, filter %s (%s)\n", options.session, options.filter_service.c_str(),
                options.filter_file.c_str());
    std::unique_ptr<sim::AgentWatch> agent;
    if (options.with_agent) {
        agent.reset(new sim::AgentWatch);
        if (!agent->running()) {
            std::fprintf(stderr, "kbsim: keyagent.exe did not start\n");
            return 1;
        }
        // Its readers open the devices as their threads start; give them that moment.
        Sleep(kAgentSettleMs);
        std::printf("keyagent.exe runs and reads the filters' devices\n");
    }
    sim::SessionPlayer player(session.bench(), stdout, !options.with_agent, options.pictures);
    int failed = player.Play(script);
    bool ledger_ok = player.Summary();
    if (!options.pictures.empty()) {
        const std::string page = player.WritePage();
        if (page.empty()) {
            std::printf("the page could not be written in %s\n", options.pictures.c_str());
            ++failed;
        } else {
            std::printf("page: %s\n", page.c_str());
        }
    }
    if (agent) {
        Sleep(kAgentSettleMs);
        std::printf("\nkeyagent.exe's log:\n");
        for (const std::string& line : agent->Log()) std::printf("  %s\n", line.c_str());
        if (!agent->Stop()) {
            std::printf("keyagent.exe did not stop with \"/u\"\n");
            ++failed;
        }
    }
    if (failed) std::printf("%d step(s) failed\n", failed);
    if (!ledger_ok) std::printf("a request sent below the filter did not come back exactly once\n");
    // The last line says how the session went: a program that starts kbsim on a desktop of its
    // own (Wine's explorer) does not get kbsim's exit code.
    std::printf("kbsim: %s\n", failed == 0 && ledger_ok ? "the session played as written" : "the session failed");
    return failed == 0 && ledger_ok ? 0 : 1;
}
