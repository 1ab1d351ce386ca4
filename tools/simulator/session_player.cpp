#include "tools/simulator/session_player.h"

#include <cstdarg>

#include "outside/uovkbftr/client/feed_client.h"
#include "outside/uovkbftr/keyboard_filter_interface.h"
#include "tools/simulator/script/report_words.h"

namespace sim {

SessionPlayer::SessionPlayer(BenchClient& bench, std::FILE* out, bool own_reader, std::string pictures)
    : bench_(bench),
      out_(out),
      own_reader_(own_reader),
      reader_wanted_(own_reader),
      desktop_(std::move(pictures)),
      page_("The receiver, the agent and the desktop, step by step") {}

void SessionPlayer::Say(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::fprintf(out_, "        %s\n", text);
    page_.Reply(text);
}

// While an agent the session started runs, it is the filter's reader; after it ends, the player
// reads again if it did before.
void SessionPlayer::FollowAgent() {
    if (desktop_.agent_running()) {
        reader_.reset();
        own_reader_ = false;
    } else if (reader_wanted_ && !own_reader_) {
        own_reader_ = true;
        OpenReader();
    }
}

namespace {

// Whether the next step, leaving out the notes, is a screenshot.
bool ScreenshotFollows(const std::vector<Step>& steps, size_t at) {
    for (size_t next = at + 1; next < steps.size(); ++next) {
        if (steps[next].kind != StepKind::Note) return steps[next].kind == StepKind::Screenshot;
    }
    return false;
}

}  // namespace

int SessionPlayer::Play(const Script& script) {
    OpenReader();
    int failed = 0;
    int last_note_line = -1;
    for (size_t at = 0; at < script.steps.size(); ++at) {
        const Step& step = script.steps[at];
        if (step.kind == StepKind::Note) {
            // Comment lines one below the other are one heading.
            const bool continued = step.line == last_note_line + 1;
            std::fprintf(out_, "%s# %s\n", continued ? "" : "\n", step.comment.c_str());
            if (continued) page_.ContinueHeading(step.comment);
            else page_.Heading(step.comment);
            last_note_line = step.line;
            continue;
        }
        std::fprintf(out_, "%5d   %s%s%s\n", step.line, step.text.c_str(), step.comment.empty() ? "" : "   # ",
                     step.comment.c_str());
        page_.Step(step.line, step.text, step.comment);
        Lines said;
        if (DesktopPlayer::Handles(step.kind)) {
            // The filter keeps one read waiting at a time: an agent about to start takes the
            // player's place as its reader. Refused, it would try again only a second later, and
            // until then the player's read would take the keys meant for it.
            if (step.kind == StepKind::Agent && step.open) {
                reader_.reset();
                own_reader_ = false;
            }
            if (!desktop_.Run(step, &said)) ++failed;
            for (const std::string& line : said) Say("%s", line.c_str());
            said.clear();
            FollowAgent();
        } else if (!Run(step)) {
            ++failed;
        }
        desktop_.Observe(step, &said);
        for (const std::string& line : said) Say("%s", line.c_str());
        std::string picture, caption;
        if (desktop_.TakePicture(step, ScreenshotFollows(script.steps, at), &picture, &caption)) {
            Say("picture: %s", picture.c_str());
            page_.Picture(picture, caption);
        }
        if (desktop_.TakePopupPicture(&picture, &caption)) {
            Say("picture of the popup: %s", picture.c_str());
            page_.Picture(picture, caption);
        }
        std::fflush(out_);
    }
    return failed;
}

bool SessionPlayer::Run(const Step& step) {
    switch (step.kind) {
    case StepKind::Plug: return Plug(step);
    case StepKind::Unplug: return Unplug(step);
    case StepKind::Report: return Report(step);
    case StepKind::Wait:
        Sleep(step.milliseconds);
        ShowEvents();
        return true;
    case StepKind::Reader:
        if (!own_reader_) {
            Say("left to the agent, which reads %s throughout", KB_FILTER_USER_PATH);
            return true;
        }
        if (!step.open) {
            reader_.reset();
            Say("reader closed: the filter passes hot keys to Windows");
            return true;
        }
        if (!OpenReader()) return false;
        Say("reader open: the filter keeps hot keys from Windows");
        ShowEvents();
        return true;
    case StepKind::Typing:
        if (!bench_.Keyboard(step.activities)) {
            Say("the companion filter %s took no keyboard activity (error %lu)", KB_COMPANION_USER_PATH, bench_.error());
            return false;
        }
        Say("keyboard used %u times: as many activity records wait for the reader of %s", step.activities,
            KB_COMPANION_USER_PATH);
        return true;
    case StepKind::KeyCode: return KeyCode(step);
    case StepKind::Note: return true;
    default: return false;  // the desktop's steps are the desktop player's
    }
}

bool SessionPlayer::KeyCode(const Step& step) {
    DWORD error = 0;
    if (!keyboard_filter::FeedCode(step.code, &error)) {
        Say("the keyboard filter %s took no hot-key code (error %lu)", KB_KEYBOARD_FILTER_USER_PATH, error);
        return false;
    }
    Say("hot-key code %u fed to %s: its reader gets it as byte 0 of a record", step.code,
        KB_KEYBOARD_FILTER_USER_PATH);
    return true;
}

bool SessionPlayer::OpenReader() {
    if (reader_ || !own_reader_) return true;
    reader_.reset(new FilterReader);
    if (reader_->is_open()) return true;
    Say("the filter's control device %s could not be opened (error %lu): no events are shown", KB_FILTER_USER_PATH,
        reader_->error());
    reader_.reset();
    return false;
}

bool SessionPlayer::Plug(const Step& step) {
    BENCH_PLUG_RESULT result = {};
    if (!bench_.Plug(step.receiver, &result)) {
        Say("receiver %u could not be plugged in (error %lu)", step.receiver, bench_.error());
        return false;
    }
    if (result.AddDeviceStatus != 0) {
        Say("the filter refused receiver %u: AddDevice returned 0x%08X", step.receiver,
            static_cast<unsigned>(result.AddDeviceStatus));
        return false;
    }
    ShowEvents();
    if (result.StartStatus != 0) {
        Say("receiver %u did not start: 0x%08X", step.receiver, static_cast<unsigned>(result.StartStatus));
        return false;
    }
    Say("receiver %u plugged in and started", step.receiver);
    return true;
}

bool SessionPlayer::Unplug(const Step& step) {
    BENCH_UNPLUG_RESULT result = {};
    if (!bench_.Unplug(step.receiver, &result)) {
        Say("receiver %u could not be pulled out (error %lu)", step.receiver, bench_.error());
        return false;
    }
    ShowEvents();
    if (result.RemoveStatus != 0 || !result.Detached) {
        Say("receiver %u: removal answered 0x%08X, %s", step.receiver, static_cast<unsigned>(result.RemoveStatus),
            result.Detached ? "detached" : "the filter stayed attached");
        return false;
    }
    Say("receiver %u pulled out", step.receiver);
    return true;
}

bool SessionPlayer::Report(const Step& step) {
    Say("%s", DescribeReport(step.bytes).c_str());
    if (!bench_.FeedOne(step.receiver, step.bytes)) {
        Say("receiver %u took no report: it is not plugged in and started", step.receiver);
        return false;
    }
    ShowEvents();
    ShowHid(step.bytes);
    return true;
}

void SessionPlayer::ShowEvents() {
    if (!reader_) return;
    for (const EVENT_RECORD& event : reader_->Drain(bench_)) {
        Say("%s", DescribeEvent(event).c_str());
        if (event.Code != EVENT_STATUS_CHANGED) continue;
        RF_DATA table = {};
        if (!reader_->RfData(&table)) {
            Say("  (the status table could not be read, error %lu)", reader_->error());
            continue;
        }
        for (const std::string& line : DescribeStatusTable(table)) Say("  %s", line.c_str());
    }
}

void SessionPlayer::ShowHid(const std::vector<uint8_t>& fed) {
    for (const BENCH_HID_RECORD& record : bench_.TakeHid()) {
        std::vector<uint8_t> received(record.Bytes, record.Bytes + record.Length);
        Say("%s", DescribeHidReport(fed, received).c_str());
    }
}

bool SessionPlayer::Summary() {
    BENCH_STATS stats = {};
    if (!bench_.Stats(&stats)) return false;
    std::fprintf(out_,
                 "\nrequests the bench sent through the filter: %u; came back once: %u, twice: %u; "
                 "transfers still in flight: %u\n",
                 stats.IrpsSent, stats.IrpsCompleted, stats.IrpsCompletedTwice, stats.TransfersPending);
    return EveryRequestCameBack(stats);
}

}  // namespace sim
