#include "agent/logic/action_media_select.h"

SelectWindowPlacement PlaceSelectWindow(const SelectWindowMetrics& metrics, int item_height, int found_count) {
    SelectWindowPlacement placement{};
    placement.ListHeight = found_count * item_height;
    const int chrome = metrics.FrameHeight + metrics.CaptionHeight;
    // C++ division truncates towards zero, as the placement always has.
    placement.X = (metrics.FullScreenWidth - kSelectWindowWidth) / 2;
    placement.Y = (metrics.FullScreenHeight - placement.ListHeight - chrome) / 2;
    placement.Width = kSelectWindowWidth;
    placement.Height = chrome + placement.ListHeight;
    return placement;
}

int NextSelectEntry(int current, int count) {
    if (count <= 0) return -1;
    if (current < 0 || current + 1 >= count) return 0;
    return current + 1;
}
