#include "tools/simulator/script/session_script.h"

#include <cctype>
#include <sstream>

namespace sim {
namespace {

// The blanks the words of a line are split at: a line of nothing else has no words.
constexpr char kBlanks[] = " \t\r\n\v\f";

std::string Trim(const std::string& s) {
    size_t begin = s.find_first_not_of(kBlanks);
    if (begin == std::string::npos) return std::string();
    size_t end = s.find_last_not_of(kBlanks);
    return s.substr(begin, end - begin + 1);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Appends the bytes of one hex token ("e9", "7", or a run of pairs like "01e900").
bool AppendHex(const std::string& token, std::vector<uint8_t>* bytes) {
    if (token.size() != 1 && token.size() % 2 != 0) return false;
    for (char c : token) {
        if (HexDigit(c) < 0) return false;
    }
    if (token.size() == 1) {
        bytes->push_back(static_cast<uint8_t>(HexDigit(token[0])));
        return true;
    }
    for (size_t i = 0; i < token.size(); i += 2) {
        bytes->push_back(static_cast<uint8_t>(HexDigit(token[i]) * 16 + HexDigit(token[i + 1])));
    }
    return true;
}

bool ParseNumber(const std::string& token, uint32_t max, uint32_t* value) {
    if (token.empty() || token.size() > 9) return false;
    uint32_t n = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + static_cast<uint32_t>(c - '0');
    }
    if (n > max) return false;
    *value = n;
    return true;
}

class LineParser {
public:
    LineParser(Step* step, std::vector<std::string> tokens) : step_(step), tokens_(std::move(tokens)) {}

    // Empty when the line is good, else what is wrong with it.
    std::string Parse() {
        const std::string command = Lower(tokens_[0]);
        next_ = 1;
        if (command == "plug" || command == "unplug") {
            step_->kind = command == "plug" ? StepKind::Plug : StepKind::Unplug;
            std::string error = TakeReceiver();
            if (!error.empty()) return error;
            return Rest() ? "" : command + " takes only a receiver, like @2";
        }
        if (command == "report") {
            step_->kind = StepKind::Report;
            std::string error = TakeReceiver();
            if (!error.empty()) return error;
            for (; next_ < tokens_.size(); ++next_) {
                if (!AppendHex(tokens_[next_], &step_->bytes)) return "\"" + tokens_[next_] + "\" is not hex bytes";
            }
            if (step_->bytes.empty()) return "a report needs at least one byte";
            if (step_->bytes.size() > kScriptMaxReportBytes) return "a report has at most 64 bytes";
            return "";
        }
        if (command == "wait") {
            step_->kind = StepKind::Wait;
            if (tokens_.size() != 2 || !ParseNumber(tokens_[1], kScriptMaxWaitMs, &step_->milliseconds)) {
                return "wait takes a number of milliseconds up to 600000";
            }
            return "";
        }
        if (command == "typing") {
            step_->kind = StepKind::Typing;
            if (tokens_.size() != 2 || !ParseNumber(tokens_[1], kScriptMaxTyping, &step_->activities) ||
                step_->activities == 0) {
                return "typing takes a number of keyboard uses from 1 to 255";
            }
            return "";
        }
        if (command == "keycode") {
            step_->kind = StepKind::KeyCode;
            uint32_t code = 0;
            if (tokens_.size() != 2 || !ParseNumber(tokens_[1], kScriptMaxKeyCode, &code)) {
                return "keycode takes a hot-key code from 0 to 255";
            }
            step_->code = static_cast<uint8_t>(code);
            return "";
        }
        if (command == "reader") {
            step_->kind = StepKind::Reader;
            std::string how = tokens_.size() == 2 ? Lower(tokens_[1]) : "";
            if (how != "open" && how != "close") return "reader takes open or close";
            step_->open = how == "open";
            return "";
        }
        if (command == "agent") {
            step_->kind = StepKind::Agent;
            std::string how = Word(1);
            if (tokens_.size() != 2 || (how != "start" && how != "stop")) return "agent takes start or stop";
            step_->open = how == "start";
            return "";
        }
        if (command == "apps") {
            step_->kind = StepKind::Apps;
            if (tokens_.size() < 2 || tokens_.size() > kScriptMaxApps + 1) return "apps takes 1 to 8 window classes or programs";
            step_->words.assign(tokens_.begin() + 1, tokens_.end());
            return "";
        }
        if (command == "set") return ParseSet();
        if (command == "open" || command == "close") {
            step_->kind = command == "open" ? StepKind::Open : StepKind::Close;
            std::string what = Word(1);
            if (tokens_.size() == 2 && what == "applet") {
                step_->target = Target::Applet;
                return "";
            }
            if (tokens_.size() == 2 && (what == "keyboard" || what == "mouse")) {
                step_->target = what == "keyboard" ? Target::Keyboard : Target::Mouse;
                return "";
            }
            if (tokens_.size() == 2 && what == "text" && command == "open") {
                step_->target = Target::Text;
                return "";
            }
            return command == "open" ? "open takes text, applet, keyboard or mouse" : "close takes applet, keyboard or mouse";
        }
        if (command == "pick") {
            step_->kind = StepKind::Pick;
            if (tokens_.size() != 2 || !ParseNumber(tokens_[1], kScriptMaxPick, &step_->values[0]))
                return "pick takes a list item from 0 to 255";
            return "";
        }
        if (command == "lock") {
            step_->kind = StepKind::Lock;
            std::string how = Word(1);
            if (tokens_.size() != 2 || (how != "on" && how != "off")) return "lock takes on or off";
            step_->open = how == "on";
            return "";
        }
        if (command == "wheel") {
            if (tokens_.size() == 2 && Word(1) == "button") {
                step_->kind = StepKind::WheelButton;
                return "";
            }
            step_->kind = StepKind::Wheel;
            std::string way = Word(1);
            uint32_t notches = 0;
            if (tokens_.size() != 3 || (way != "up" && way != "down") ||
                !ParseNumber(tokens_[2], kScriptMaxNotches, &notches) || notches == 0) {
                return "wheel takes up or down and 1 to 100 notches, or button";
            }
            step_->notches = way == "up" ? static_cast<int>(notches) : -static_cast<int>(notches);
            return "";
        }
        if (command == "screenshot") {
            step_->kind = StepKind::Screenshot;
            step_->words.assign(tokens_.begin() + 1, tokens_.end());
            return "";
        }
        return "unknown step \"" + tokens_[0] + "\"";
    }

private:
    std::string Word(size_t i) const { return i < tokens_.size() ? Lower(tokens_[i]) : ""; }

    std::string ParseSet() {
        step_->kind = StepKind::Set;
        const std::string what = Word(1);
        if (what == "popup") {
            step_->setting = Setting::Popup;
            if (tokens_.size() != 3 || !ParseNumber(tokens_[2], kScriptMaxPopupSeconds, &step_->values[0]))
                return "set popup takes a place in the list of display times, 0 to 11";
            return "";
        }
        if (what == "player") {
            step_->setting = Setting::Player;
            if (tokens_.size() != 3 || !ParseNumber(tokens_[2], kScriptMaxPlayer, &step_->values[0]))
                return "set player takes a player from 0 to 3";
            return "";
        }
        if (what == "zoom") {
            step_->setting = Setting::Zoom;
            if (tokens_.size() != 4 || !ParseNumber(tokens_[2], kScriptMaxZoomSize, &step_->values[0]) ||
                !ParseNumber(tokens_[3], kScriptMaxZoomFactor, &step_->values[1]) || step_->values[1] == 0)
                return "set zoom takes a size up to 300 and a factor from 1 to 10";
            return "";
        }
        return "set takes popup, player or zoom";
    }

    std::string TakeReceiver() {
        if (next_ >= tokens_.size() || tokens_[next_][0] != '@') return "";
        uint32_t n = 0;
        if (!ParseNumber(tokens_[next_].substr(1), kScriptMaxReceiver, &n) || n == 0) {
            return "receivers are numbered @1 to @4";
        }
        step_->receiver = n;
        ++next_;
        return "";
    }

    bool Rest() const { return next_ == tokens_.size(); }

    Step* step_;
    std::vector<std::string> tokens_;
    size_t next_ = 1;
};

}  // namespace

Script ParseScript(const std::string& text) {
    Script script;
    std::istringstream lines(text);
    std::string raw;
    int number = 0;
    while (std::getline(lines, raw)) {
        ++number;
        Step step;
        step.line = number;
        size_t hash = raw.find('#');
        if (hash != std::string::npos) {
            step.comment = Trim(raw.substr(hash + 1));
            raw.erase(hash);
        }
        step.text = Trim(raw);
        if (step.text.empty()) {
            if (!step.comment.empty()) script.steps.push_back(step);
            continue;
        }
        std::istringstream words(step.text);
        std::vector<std::string> tokens;
        for (std::string word; words >> word;) tokens.push_back(word);
        std::string error = LineParser(&step, tokens).Parse();
        if (!error.empty()) {
            script.errors.push_back({number, error});
            continue;
        }
        script.steps.push_back(step);
    }
    return script;
}

}  // namespace sim
