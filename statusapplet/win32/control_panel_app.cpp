#include "statusapplet/win32/control_panel_app.h"

#include "statusapplet/logic/start_parameter.h"

namespace applet {
namespace {

// The start parameter as the C library reads a number; only its leading ASCII counts, so the
// wide form is taken character by character up to the first other one.
constexpr int kNarrowParameterSize = 64;

void NarrowParameter(const wchar_t* wide, char (&narrow)[kNarrowParameterSize]) {
    int length = 0;
    while (length < kNarrowParameterSize - 1 && wide[length] != 0 && wide[length] < 0x80) {
        narrow[length] = static_cast<char>(wide[length]);
        ++length;
    }
    narrow[length] = '\0';
}

}  // namespace

void CControlPanelApplet::Inquire(LONG_PTR data, CPLINFO* info) const {
    info->idIcon = icon_id_;
    info->idName = name_id_;
    info->idInfo = info_id_;
    info->lData = data;
}

void CControlPanelApp::AddApplet(const CControlPanelApplet& applet) {
    if (count_ < kMaxApplets) applets_[count_++] = applet;
}

CControlPanelApplet* CControlPanelApp::AppletAt(LPARAM index) {
    return index >= 0 && index < count_ ? &applets_[index] : nullptr;
}

LONG CControlPanelApp::Answer(HINSTANCE instance, HWND panel, UINT message, LPARAM lParam1, LPARAM lParam2) {
    switch (message) {
    case CPL_INIT:
        // A second CPL_INIT without CPL_EXIT keeps the entries it made.
        if (count_ == 0) CreateApplets();
        return count_;
    case CPL_GETCOUNT:
        return count_;
    case CPL_EXIT:
        count_ = 0;
        return 1;
    default:
        break;
    }
    CControlPanelApplet* applet = AppletAt(lParam1);
    return applet != nullptr ? AnswerForApplet(*applet, instance, panel, message, lParam2) : 1;
}

LONG CControlPanelApp::AnswerForApplet(CControlPanelApplet& applet, HINSTANCE instance, HWND panel, UINT message,
                                       LPARAM lParam2) {
    switch (message) {
    case CPL_INQUIRE:
        if (lParam2 == 0) return 1;
        applet.Inquire(reinterpret_cast<LONG_PTR>(&applet), reinterpret_cast<CPLINFO*>(lParam2));
        return 0;
    case CPL_SELECT:
    case CPL_STOP:
        return 0;
    case CPL_DBLCLK:
        applet.Open(instance, panel);
        return 0;
    case CPL_STARTWPARMSA:
        if (lParam2 != 0) applet.SetStartPage(StartPageOfParameter(reinterpret_cast<const char*>(lParam2)));
        return 0;
    case CPL_STARTWPARMSW:
        // The same request from a Control Panel that speaks in wide characters.
        if (lParam2 != 0) {
            char narrow[kNarrowParameterSize];
            NarrowParameter(reinterpret_cast<const wchar_t*>(lParam2), narrow);
            applet.SetStartPage(StartPageOfParameter(narrow));
        }
        return 0;
    default:
        // CPL_NEWINQUIRE among them: CPL_INQUIRE describes the entry.
        return 1;
    }
}

}  // namespace applet
