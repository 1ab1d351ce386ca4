// The message storm: any process may send our windows anything. From this process, every
// window of ours on a desktop (the agent's main, popup, media-select, tray and zoom windows, the
// applet's dialog in control.exe, the pages of both settings servers in a sheet of their own)
// is sent and posted thousands of messages with random numbers; both, because Wine swallows a
// fault inside a sent message and only a posted one shows it. What is left out, and why, is
// listed in storm/storm_messages.h. Afterwards every process is alive and every window answers.
//
// The seed is printed; KB_STORM_SEED repeats a storm, KB_STORM_MESSAGES sets how many messages
// each window gets (`make fuzz` runs a long storm). To find the one message a window did not
// survive, KB_STORM_ONLY keeps the windows whose name holds its text and KB_STORM_BATCH sets how
// many messages go between two looks (1: every message is looked after).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "agent/tests/wine/storm/storm_desktop.h"
#include "agent/tests/wine/storm/storm_messages.h"

namespace {

constexpr unsigned kDefaultMessagesPerWindow = 2500;
// Each window's messages go in batches, each followed by the marker that tells they were taken.
constexpr unsigned kDefaultBatch = 250;
// Longer than any message of ours takes to handle; a send that waits this long found a hang.
constexpr UINT kSendLimitMs = 10000;

uint64_t Setting(const char* name, uint64_t otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 0) : otherwise;
}

// The messages of a batch that ended badly, newest last.
std::string Tail(const std::vector<StormMessage>& batch) {
    std::string text;
    const size_t from = batch.size() > 20 ? batch.size() - 20 : 0;
    for (size_t i = from; i < batch.size(); ++i) text += "\n  " + Describe(batch[i]);
    return text;
}

TEST(MessageStorm, EveryWindowLivesThroughRandomMessagesSentAndPosted) {
    const uint64_t seed = Setting("KB_STORM_SEED", GetTickCount() ^ (static_cast<uint64_t>(GetCurrentProcessId()) << 32));
    const uint64_t per_window = Setting("KB_STORM_MESSAGES", kDefaultMessagesPerWindow);
    const uint64_t batch_size = Setting("KB_STORM_BATCH", kDefaultBatch);
    const char* only = std::getenv("KB_STORM_ONLY");
    std::printf("message storm: seed %llu, %llu messages per window\n", static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(per_window));
    std::fflush(stdout);
    StormDesktop desktop;
    std::string error;
    ASSERT_TRUE(desktop.Open(&error)) << error;
    StormMessages messages(seed);
    for (uint64_t done = 0; done < per_window; done += batch_size) {
        for (const StormTarget& target : desktop.targets()) {
            if (only && target.name.find(only) == std::string::npos) continue;
            std::vector<StormMessage> batch;
            for (uint64_t i = 0; i < batch_size; ++i) {
                batch.push_back(messages.Next(target.kind));
                const StormMessage& m = batch.back();
                if (m.post) {
                    PostMessageA(target.window, m.message, m.wParam, m.lParam);
                    continue;
                }
                DWORD_PTR answer = 0;
                if (!SendMessageTimeoutA(target.window, m.message, m.wParam, m.lParam, SMTO_NORMAL, kSendLimitMs,
                                         &answer) &&
                    GetLastError() == ERROR_TIMEOUT) {
                    // A process that faulted sits in Wine's debugger and answers no more either.
                    FAIL() << target.name << " did not answer (seed " << seed << ")" << Tail(batch);
                }
            }
            ASSERT_TRUE(desktop.Settled(target))
                << target.name << " ended or hung after " << done << " messages (seed " << seed << ")" << Tail(batch);
        }
    }
    EXPECT_TRUE(desktop.AllAnswer(&error)) << error << " (seed " << seed << ")";
}

}  // namespace
