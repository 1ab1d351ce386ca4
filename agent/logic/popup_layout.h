// Where the popup sits on the screen and where its picture, caption and volume bar sit in it.
#pragma once

struct PopupPoint {
    int x;
    int y;
};

struct PopupRect {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr int kPopupWidth = 200;
constexpr int kPopupHeight = 32;
constexpr int kVolumeBarSegmentCount = 32;

// The lower left corner of the screen, from SM_CYMAXIMIZED.
PopupPoint PopupPlace(int maximized_window_height);

// The picture's 24 x 24 square in the client area.
PopupRect PopupPictureRect();

// The source square of picture `index` in its strip.
PopupRect PopupPictureSourceRect(int index);

// Right of the picture: where the caption is written and the volume bar drawn.
PopupRect PopupTextArea(const PopupRect& client);

// The black bar behind the segments.
PopupRect VolumeBarRect(const PopupRect& client);

// The green segments for `level` (0 to 0xFFFF): one segment per 2048 of level + 1, so 0xFFFF
// fills all 32 and 2046 none. Writes at most kVolumeBarSegmentCount rectangles into `segments`
// and returns how many.
int VolumeBarSegments(const PopupRect& client, unsigned level, PopupRect (&segments)[kVolumeBarSegmentCount]);
