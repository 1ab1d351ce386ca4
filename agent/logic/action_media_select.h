// The media-select window's arithmetic: where it sits for the number of players found, and how
// the Media Select key walks its list.
#pragma once

struct SelectWindowMetrics {
    int FullScreenWidth;   // SM_CXFULLSCREEN
    int FullScreenHeight;  // SM_CYFULLSCREEN
    int FrameHeight;       // SM_CYFRAME
    int CaptionHeight;     // SM_CYCAPTION
};

struct SelectWindowPlacement {
    int ListHeight;
    int X;
    int Y;
    int Width;
    int Height;
};

constexpr int kSelectWindowWidth = 250;

SelectWindowPlacement PlaceSelectWindow(const SelectWindowMetrics& metrics, int item_height, int found_count);

// The entry after `current` in a list of `count`, back to 0 after the last (and from no
// selection). An empty list stays without a selection (-1).
int NextSelectEntry(int current, int count);
