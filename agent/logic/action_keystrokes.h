// The keystrokes the agent types into the browser, with the pauses between them: the browser
// keys (codes 1 to 6) and Ctrl+E for the Search key.
#pragma once

#include <cstdint>

struct KeyStroke {
    uint8_t virtual_key;
    bool release;        // KEYEVENTF_KEYUP
    uint16_t pause_ms;   // waited after this stroke
};

constexpr int kMaxKeyStrokes = 4;

struct KeySequence {
    uint16_t lead_pause_ms;  // after bringing the browser forward, before the first stroke
    int count;
    KeyStroke strokes[kMaxKeyStrokes];
};

// Browser key `index` 0 to 5 (Back, Forward, Stop, Refresh, Home, Favorites): the first key held
// while the second, if any, is pressed and released. An index outside 0 to 5 gives no stroke.
KeySequence BrowserKeySequence(int index);

// Ctrl+E, the browser's search bar, without the lead pause.
KeySequence SearchKeySequence();
