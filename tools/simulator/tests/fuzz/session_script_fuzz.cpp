// Session files as a user writes them by hand, any bytes at all: every step the grammar takes
// holds values the player can use as they stand, every line becomes at most one step or one
// error, and what the demo page and the report words make of a step's text is sound.
#include <stdint.h>
#include <stdlib.h>

#include <string>

#include "tools/simulator/script/demo_page.h"
#include "tools/simulator/script/report_words.h"
#include "tools/simulator/script/session_script.h"

namespace {

using sim::Step;
using sim::StepKind;

void Require(bool condition) {
    if (!condition) abort();
}

const char kBlanks[] = " \t\r\n\v\f";

bool Trimmed(const std::string& text) {
    return text.empty() || (text.find_first_of(kBlanks) != 0 && text.find_last_of(kBlanks) != text.size() - 1);
}

// Markup never comes through: every & starts one of the four entities.
void CheckHtml(const std::string& text) {
    const std::string html = sim::HtmlText(text);
    Require(html.find_first_of("<>\"") == std::string::npos);
    for (size_t at = html.find('&'); at != std::string::npos; at = html.find('&', at + 1)) {
        const std::string rest = html.substr(at, 6);
        Require(rest.rfind("&amp;", 0) == 0 || rest.rfind("&lt;", 0) == 0 || rest.rfind("&gt;", 0) == 0 ||
                rest.rfind("&quot;", 0) == 0);
    }
}

void CheckValues(const Step& step) {
    Require(step.receiver >= 1 && step.receiver <= sim::kScriptMaxReceiver);
    switch (step.kind) {
    case StepKind::Note: Require(step.text.empty() && !step.comment.empty()); break;
    case StepKind::Report:
        Require(!step.bytes.empty() && step.bytes.size() <= sim::kScriptMaxReportBytes);
        Require(!sim::DescribeReport(step.bytes).empty());
        Require(sim::DescribeHidReport(step.bytes, step.bytes).find("(unchanged)") != std::string::npos);
        break;
    case StepKind::Wait: Require(step.milliseconds <= sim::kScriptMaxWaitMs); break;
    case StepKind::Typing: Require(step.activities >= 1 && step.activities <= sim::kScriptMaxTyping); break;
    case StepKind::Apps: Require(!step.words.empty() && step.words.size() <= sim::kScriptMaxApps); break;
    case StepKind::Set:
        switch (step.setting) {
        case sim::Setting::Popup: Require(step.values[0] <= sim::kScriptMaxPopupSeconds); break;
        case sim::Setting::Player: Require(step.values[0] <= sim::kScriptMaxPlayer); break;
        case sim::Setting::Zoom:
            Require(step.values[0] <= sim::kScriptMaxZoomSize);
            Require(step.values[1] >= 1 && step.values[1] <= sim::kScriptMaxZoomFactor);
            break;
        }
        break;
    case StepKind::Pick: Require(step.values[0] <= sim::kScriptMaxPick); break;
    case StepKind::Wheel:
        Require(step.notches != 0 && step.notches >= -int(sim::kScriptMaxNotches) &&
                step.notches <= int(sim::kScriptMaxNotches));
        break;
    default: break;
    }
    if (step.kind != StepKind::Report) Require(step.bytes.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const sim::Script script = sim::ParseScript(text);
    int lines = 1;
    for (char c : text) lines += c == '\n';

    // Steps and errors come in the order of their lines, one at most a line.
    int last = 0;
    size_t error = 0;
    for (const Step& step : script.steps) {
        while (error < script.errors.size() && script.errors[error].line < step.line) {
            Require(script.errors[error].line > last);
            last = script.errors[error++].line;
        }
        Require(step.line > last && step.line <= lines);
        last = step.line;
        Require(step.text.find_first_of("#\n") == std::string::npos && Trimmed(step.text) && Trimmed(step.comment));
        CheckValues(step);
        CheckHtml(step.text);
        CheckHtml(step.comment);
    }
    for (; error < script.errors.size(); ++error) {
        Require(script.errors[error].line > last && script.errors[error].line <= lines);
        Require(!script.errors[error].message.empty());
        last = script.errors[error].line;
    }
    return 0;
}
