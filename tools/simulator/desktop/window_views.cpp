#include "tools/simulator/desktop/window_views.h"

#include "common/window_classes.h"
#include "tools/fixtures/window_text.h"
#include "tools/simulator/desktop/words.h"

namespace sim {
std::string Placement(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return Format("at (%ld, %ld), %ld x %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::string SelectState() {
    HWND select = FindWindowA(KB_CLASS_MEDIA_SELECT, nullptr);
    if (select == nullptr || !IsWindowVisible(select)) return std::string();
    HWND list = FindWindowExA(select, nullptr, "ListBox", nullptr);
    std::string entries;
    const LRESULT count = list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i)
        entries += std::string(i ? ", " : "") + "\"" + fixtures::ListBoxItem(list, i) + "\"";
    const LRESULT chosen = list ? SendMessageW(list, LB_GETCURSEL, 0, 0) : LB_ERR;
    std::string state = "the Media Select window is open " + Placement(select) + "; its list holds " +
                        (entries.empty() ? std::string("no player") : entries);
    if (chosen != LB_ERR) state += "; selected: \"" + fixtures::ListBoxItem(list, chosen) + "\"";
    return state;
}

std::string ZoomState() {
    HWND zoom = FindWindowA(KB_CLASS_ZOOM, nullptr);
    if (zoom == nullptr || !IsWindowVisible(zoom)) return std::string();
    RECT r = {};
    GetWindowRect(zoom, &r);
    const HWND on_top = WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    char class_name[64] = "";
    if (on_top) GetClassNameA(GetAncestor(on_top, GA_ROOT), class_name, sizeof class_name);
    std::string state = "the zoom window shows " + Placement(zoom);
    if (on_top != zoom) state += std::string(", but the window on top at its centre is of class ") + class_name;
    return state;
}

}  // namespace sim
