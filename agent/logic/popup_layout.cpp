#include "agent/logic/popup_layout.h"

namespace {

constexpr int kPopupLeft = 8;
constexpr int kPopupAboveMaximizedBottom = 80;
constexpr int kPictureOffset = 2;
constexpr int kTextAreaIndent = 28;
constexpr int kBarRightMargin = 3;
constexpr int kBarTop = 8;
constexpr int kBarBottom = 24;
constexpr int kSegmentTop = 12;
constexpr int kSegmentBottom = 20;
constexpr unsigned kLevelPerSegment = 2048;
constexpr int kPictureSize = 24;

}  // namespace

PopupPoint PopupPlace(int maximized_window_height) {
    return {kPopupLeft, maximized_window_height - kPopupAboveMaximizedBottom};
}

PopupRect PopupPictureRect() {
    return {kPictureOffset, kPictureOffset, kPictureOffset + kPictureSize, kPictureOffset + kPictureSize};
}

PopupRect PopupPictureSourceRect(int index) {
    return {kPictureSize * index, 0, kPictureSize * (index + 1), kPictureSize};
}

PopupRect PopupTextArea(const PopupRect& client) {
    return {client.left + kTextAreaIndent, client.top, client.right, client.bottom};
}

PopupRect VolumeBarRect(const PopupRect& client) {
    return {PopupTextArea(client).left, kBarTop, client.right - kBarRightMargin, kBarBottom};
}

int VolumeBarSegments(const PopupRect& client, unsigned level, PopupRect (&segments)[kVolumeBarSegmentCount]) {
    const PopupRect bar = VolumeBarRect(client);
    // Single precision, as the bar has always been drawn: the last segment ends on the bar's edge.
    const float width = static_cast<float>(bar.right - bar.left) * 0.03125f;
    // A level is at most 0xFFFF; anything larger still fills the bar and no more.
    const unsigned wanted = level >= 0xFFFFu ? kVolumeBarSegmentCount : (level + 1) / kLevelPerSegment;
    const int count = static_cast<int>(wanted);
    float x = static_cast<float>(bar.left);
    for (int i = 0; i < count; ++i) {
        const float next = x + width;
        segments[i] = {static_cast<int>(x), kSegmentTop, static_cast<int>(next), kSegmentBottom};
        x = next;
    }
    return count;
}
