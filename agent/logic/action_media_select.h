// The media-select window's arithmetic: where it sits for the number of players found, and how
// the Media Select key walks its list.
#pragma once

struct SelectWindowMetrics {
    int full_screen_width;   // SM_CXFULLSCREEN
    int full_screen_height;  // SM_CYFULLSCREEN
    int frame_height;        // SM_CYFRAME
    int caption_height;      // SM_CYCAPTION
};

struct SelectWindowPlacement {
    int list_height;
    int x;
    int y;
    int width;
    int height;
};

constexpr int kSelectWindowWidth = 250;

SelectWindowPlacement PlaceSelectWindow(const SelectWindowMetrics& metrics, int item_height, int found_count);

// The entry after `current` in a list of `count`, back to 0 after the last (and from no
// selection). An empty list stays without a selection (-1).
int NextSelectEntry(int current, int count);
