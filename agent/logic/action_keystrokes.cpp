#include "agent/logic/action_keystrokes.h"

#include "common/win32_numbers.h"

namespace {

constexpr uint16_t kPauseMs = 100;
constexpr uint8_t kNoKey = 0;

struct KeyPair {
    uint8_t first;
    uint8_t second;
};

constexpr KeyPair kBrowserKeys[] = {
    {KB_VK_MENU, KB_VK_LEFT}, {KB_VK_MENU, KB_VK_RIGHT}, {KB_VK_ESCAPE, kNoKey},
    {KB_VK_F5, kNoKey},       {KB_VK_MENU, KB_VK_HOME},  {KB_VK_CONTROL, 'I'},
};
constexpr int kBrowserKeyCount = sizeof kBrowserKeys / sizeof kBrowserKeys[0];

KeySequence Sequence(uint16_t lead_pause_ms, KeyPair keys) {
    KeySequence sequence{lead_pause_ms, 0, {}};
    auto add = [&](uint8_t key, bool release) { sequence.strokes[sequence.count++] = {key, release, kPauseMs}; };
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

KeySequence SearchKeySequence() { return Sequence(0, {KB_VK_CONTROL, 'E'}); }
