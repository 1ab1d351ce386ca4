// Plays a session script against the bench and prints, step by step, what a person wants to
// see: the report fed in, the events the filter queued for its reader, the status table when
// it changed, and what the HID driver received. Keyboard activity and hot-key codes go to the
// test variants of the companion filter and of the keyboard filter "\\.\UOVKBFTR".
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "tools/simulator/client/bench_client.h"
#include "tools/simulator/client/filter_reader.h"
#include "tools/simulator/desktop/desktop_player.h"
#include "tools/simulator/script/demo_page.h"
#include "tools/simulator/script/session_script.h"

namespace sim {

class SessionPlayer {
public:
    // With own_reader false the player reads nothing from the filter's control device: another
    // program (the agent) is its reader, and the session's reader steps are left to it. The same
    // holds while an agent started by the session runs. pictures: the folder for the pictures of
    // the screen and the page of the session (a Windows path), or empty for none.
    SessionPlayer(BenchClient& bench, std::FILE* out, bool own_reader = true, std::string pictures = std::string());

    // Plays every step; the number of steps that failed.
    int Play(const Script& script);
    // The bench's count of the requests it sent; false when one did not come back as it should.
    bool Summary();
    // Writes the page of the session beside its pictures; its path, or empty when there is none.
    std::string WritePage() { return desktop_.WritePage(page_); }

private:
    bool Run(const Step& step);
    bool Plug(const Step& step);
    bool Unplug(const Step& step);
    bool Report(const Step& step);
    bool KeyCode(const Step& step);
    bool OpenReader();
    void ShowEvents();
    void ShowHid(const std::vector<uint8_t>& fed);
    void FollowAgent();
    void Say(const char* format, ...) __attribute__((format(printf, 2, 3)));

    BenchClient& bench_;
    std::FILE* out_;
    bool own_reader_;
    const bool reader_wanted_;
    DesktopPlayer desktop_;
    DemoPage page_;
    std::unique_ptr<FilterReader> reader_;
};

}  // namespace sim
