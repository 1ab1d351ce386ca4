#include "tools/simulator/desktop/popup_view.h"

#include <windows.h>

#include <cstdio>

#include "common/window_classes.h"
#include "tools/capture/window_capture.h"
#include "tools/fixtures/popup_reading.h"
#include "tools/simulator/desktop/window_views.h"

namespace sim {
namespace {

// A file name's part from what the popup shows: letters and digits, the rest one '-'.
std::string Slug(const std::string& text) {
    std::string slug;
    for (char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) slug += c;
        else if (c >= 'A' && c <= 'Z') slug += static_cast<char>(c - 'A' + 'a');
        else if (!slug.empty() && slug.back() != '-') slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug.empty() ? "blank" : slug;
}

}  // namespace

void PopupView::Observe(Lines* said) {
    HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    std::string state, shown, slug;
    if (popup != nullptr && IsWindowVisible(popup)) {
        const PopupRect client = popupread::ClientOf(popup);
        const capture::Pixels shot = capture::CaptureClientSettled(popup, [] { Sleep(50); });
        if (popupread::ShowsVolumeBar(shot, client)) {
            const int segments = popupread::SegmentsShown(shot, client);
            shown = Format("the volume bar, %d of %d segments green", segments, kVolumeBarSegmentCount);
            slug = Format("volume-%02d", segments);
        } else {
            const std::string caption = popupread::KnownCaptionShown(shot, client);
            shown = caption.empty() ? std::string("no caption the agent writes") : "\"" + caption + "\"";
            slug = Slug(caption);
        }
        state = "the popup shows " + shown + ", " + Placement(popup);
    }
    if (state == last_state_) return;
    TellChange(state, &last_state_, "the popup is hidden", said);
    if (state.empty() || pictures_.empty()) return;
    const std::string name = Format("popup-%02d-%s.png", ++pictures_taken_, slug.c_str());
    std::string error;
    if (!capture::WritePng(capture::CaptureWindow(popup), pictures_ + name, error)) {
        std::fprintf(stderr, "kbsim: no picture of the popup: %s\n", error.c_str());
        return;
    }
    picture_ = name;
    caption_ = "the popup: " + shown;
}

bool PopupView::TakePicture(std::string* name, std::string* caption) {
    if (picture_.empty()) return false;
    *name = picture_;
    *caption = caption_;
    picture_.clear();
    return true;
}

}  // namespace sim
