#include "agent/logic/action_keystrokes.h"

namespace {

constexpr uint16_t kPauseMs = 100;
constexpr uint8_t kVkControl = 0x11;
constexpr uint8_t kVkMenu = 0x12;
constexpr uint8_t kVkEscape = 0x1B;
constexpr uint8_t kVkHome = 0x24;
constexpr uint8_t kVkLeft = 0x25;
constexpr uint8_t kVkRight = 0x27;
constexpr uint8_t kVkF5 = 0x74;
constexpr uint8_t kVkLetterE = 0x45;
constexpr uint8_t kVkLetterI = 0x49;
constexpr uint8_t kNoKey = 0;

struct KeyPair {
    uint8_t first;
    uint8_t second;
};

constexpr KeyPair kBrowserKeys[] = {
    {kVkMenu, kVkLeft}, {kVkMenu, kVkRight}, {kVkEscape, kNoKey},
    {kVkF5, kNoKey},    {kVkMenu, kVkHome},  {kVkControl, kVkLetterI},
};
constexpr int kBrowserKeyCount = sizeof kBrowserKeys / sizeof kBrowserKeys[0];

KeySequence Sequence(uint16_t lead_pause_ms, KeyPair keys) {
    KeySequence sequence{lead_pause_ms, 0, {}};
    auto add = [&](uint8_t key, bool release) { sequence.Strokes[sequence.Count++] = {key, release, kPauseMs}; };
    add(keys.first, false);
    if (keys.second != kNoKey) {
        add(keys.second, false);
        add(keys.second, true);
    }
    add(keys.first, true);
    return sequence;
}

}  // namespace

KeySequence BrowserKeySequence(int index) {
    if (index < 0 || index >= kBrowserKeyCount) return {0, 0, {}};
    return Sequence(kPauseMs, kBrowserKeys[index]);
}

KeySequence SearchKeySequence() { return Sequence(0, {kVkControl, kVkLetterE}); }
