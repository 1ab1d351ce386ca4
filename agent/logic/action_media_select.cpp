#include "agent/logic/action_media_select.h"

SelectWindowPlacement PlaceSelectWindow(const SelectWindowMetrics& metrics, int item_height, int found_count) {
    SelectWindowPlacement placement{};
    placement.list_height = found_count * item_height;
    const int chrome = metrics.frame_height + metrics.caption_height;
    // C++ division truncates towards zero, as the placement always has.
    placement.x = (metrics.full_screen_width - kSelectWindowWidth) / 2;
    placement.y = (metrics.full_screen_height - placement.list_height - chrome) / 2;
    placement.width = kSelectWindowWidth;
    placement.height = chrome + placement.list_height;
    return placement;
}

int NextSelectEntry(int current, int count) {
    if (count <= 0) return -1;
    if (current < 0 || current + 1 >= count) return 0;
    return current + 1;
}
