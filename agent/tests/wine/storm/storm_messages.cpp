#include "agent/tests/wine/storm/storm_messages.h"

#include <dbt.h>

#include <cstdio>
#include <vector>

#include "common/private_messages.h"

namespace {

constexpr UINT kPrivateMessages[] = {WM_LAUNCH_FUNCTION, WM_TRAY_NOTIFY, WM_TRAY_ACTIVITY,      WM_TRAY_BATTERY,
                                     WM_TRAY_RESERVED,   WM_TRAY_LOCKKEYS, WM_AGENT_KEYCODE,    WM_AGENT_HOTKEY,
                                     WM_AGENT_FILTER_OPENED, WM_AGENT_READ_REFUSED};

// The numbers each window's procedure handles itself, beside WM_COMMAND.
std::vector<UINT> HandledBy(StormTargetKind kind) {
    switch (kind) {
    case StormTargetKind::AgentMain:
        return {WM_SIZE, WM_TIMER, WM_DEVICECHANGE};
    case StormTargetKind::Popup:
        return {WM_PAINT, WM_TIMER};
    case StormTargetKind::MediaSelect:
        return {WM_SIZE, WM_VKEYTOITEM};
    case StormTargetKind::Tray:
        return {WM_TIMER};
    case StormTargetKind::Zoom:
        return {WM_PAINT};
    case StormTargetKind::Applet:
        return {WM_INITDIALOG, WM_TIMER, WM_ERASEBKGND};
    case StormTargetKind::Page:
        return {WM_INITDIALOG};
    }
    return {};
}

bool IsHotKeyCode(uint64_t code) { return (code >= 1 && code <= 23) || code == 50; }

bool CommandLeftOut(StormTargetKind kind, WPARAM wParam) {
    const WORD id = LOWORD(wParam);
    switch (kind) {
    case StormTargetKind::AgentMain:
        return id == 105 || id == 32771;
    case StormTargetKind::Tray:
        return id == 100 || id == 101 || id == 102;
    case StormTargetKind::MediaSelect:
        return id == 100 && HIWORD(wParam) == LBN_DBLCLK;
    case StormTargetKind::Applet:
        return id == IDOK || id == IDCANCEL;
    case StormTargetKind::Page:
        return id == IDOK || id == IDCANCEL || id == 0x3021 || id == 1024 || id == 1026;
    case StormTargetKind::Popup:
    case StormTargetKind::Zoom:
        break;
    }
    return false;
}

bool LeftOut(StormTargetKind kind, const StormMessage& m) {
    switch (m.message) {
    case WM_COMMAND:
        return CommandLeftOut(kind, m.wParam);
    case WM_AGENT_KEYCODE:
    case WM_AGENT_HOTKEY:
        return IsHotKeyCode(m.wParam);
    case WM_TRAY_NOTIFY:
        return static_cast<uint32_t>(m.lParam) == WM_LBUTTONDBLCLK || static_cast<uint32_t>(m.lParam) == WM_RBUTTONDOWN;
    case WM_TIMER:
        return kind == StormTargetKind::AgentMain && m.wParam == 118;
    case WM_DEVICECHANGE:
        return !m.post && (m.wParam & 0x8000) != 0;
    case WM_VKEYTOITEM:
        return kind == StormTargetKind::MediaSelect && LOWORD(m.wParam) == VK_RETURN;
    default:
        return false;
    }
}

}  // namespace

std::string Describe(const StormMessage& m) {
    char text[96];
    std::snprintf(text, sizeof text, "%s 0x%04x wParam 0x%llx lParam 0x%llx", m.post ? "posted" : "sent", m.message,
                  static_cast<unsigned long long>(m.wParam), static_cast<unsigned long long>(static_cast<ULONG_PTR>(m.lParam)));
    return text;
}

// Mostly the numbers code tends to trip on: zero, small ones, the ends of the 16- and 32-bit
// ranges; and plain random ones.
uint64_t StormMessages::Number() {
    switch (random_() % 6) {
    case 0:
        return 0;
    case 1:
        return random_() % 16;
    case 2:
        return random_() % 0x10000;
    case 3:
        return 0xFFFFFFFFu - random_() % 4;
    case 4:
        return random_() & 0xFFFFFFFFu;
    default:
        return random_();
    }
}

StormMessage StormMessages::Draw(StormTargetKind kind) {
    StormMessage m = {};
    m.post = random_() % 2 == 0;
    m.wParam = static_cast<WPARAM>(Number());
    m.lParam = static_cast<LPARAM>(Number());
    switch (random_() % 3) {
    case 0:
        m.message = WM_COMMAND;
        break;
    case 1:
        m.message = kPrivateMessages[random_() % (sizeof kPrivateMessages / sizeof kPrivateMessages[0])];
        break;
    default: {
        const std::vector<UINT> handled = HandledBy(kind);
        m.message = handled[random_() % handled.size()];
        break;
    }
    }
    if (m.message == WM_TIMER) m.lParam = 0;
    return m;
}

StormMessage StormMessages::Next(StormTargetKind kind) {
    for (;;) {
        const StormMessage m = Draw(kind);
        if (!LeftOut(kind, m)) return m;
    }
}
