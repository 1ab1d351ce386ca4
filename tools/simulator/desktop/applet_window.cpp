#include "tools/simulator/desktop/applet_window.h"

#include "tools/winsupport/build_files.h"

namespace sim {
namespace {

constexpr char kDialogTitle[] = "Skyrel RF Status";
constexpr DWORD kOpenLimitMs = 30000;
constexpr DWORD kSendLimitMs = 5000;
constexpr int kCloseId = 1;
constexpr int kLockBoxId = 1015;
constexpr int kChannelId = 1011;
constexpr int kIdId = 1012;

struct DeviceButton {
    int id;
    const char* name;
};
constexpr DeviceButton kDeviceButtons[] = {
    {1006, "Keyboard"},   {1007, "Mouse"},     {1008, "Ten Key Pad"}, {1009, "K/B with Trackball"},
    {1010, "Writing Pad"}, {1013, "GamePad A"}, {1014, "GamePad B"},   {1016, "Space Ball"},
};

// Another process's window text, through the wide message (Wine mangles the narrow form across
// processes).
std::string TextOf(HWND window) {
    wchar_t wide[128] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, kSendLimitMs,
                        &length);
    std::string text;
    for (DWORD_PTR i = 0; i < length && wide[i]; ++i) text += static_cast<char>(wide[i]);
    return text;
}

LRESULT SendBounded(HWND window, UINT message) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

AppletWindow::~AppletWindow() {
    if (process_ == nullptr) return;
    if (is_open()) Close();
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

bool AppletWindow::Open(std::string* error) {
    if (is_open()) return true;
    // control.exe finds the applet along the library search path, its current folder first.
    std::string command = "control.exe skyrel.cpl";
    const std::string folder = winsupport::BuildDir();
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info)) {
        *error = "control.exe did not start (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    const DWORD start = GetTickCount();
    while ((dialog_ = FindWindowA(nullptr, kDialogTitle)) == nullptr && GetTickCount() - start < kOpenLimitMs) {
        if (WaitForSingleObject(process_, 50) == WAIT_OBJECT_0) break;
    }
    if (dialog_ == nullptr) *error = std::string("no \"") + kDialogTitle + "\" dialog appeared";
    return dialog_ != nullptr;
}

std::vector<std::string> AppletWindow::Describe() const {
    std::vector<std::string> lines;
    if (!is_open()) return lines;
    std::string linked;
    for (const DeviceButton& button : kDeviceButtons) {
        if (IsWindowEnabled(GetDlgItem(dialog_, button.id))) linked += std::string(linked.empty() ? "" : ", ") + button.name;
    }
    lines.push_back("the applet shows the linked devices: " + (linked.empty() ? std::string("none") : linked));
    const HWND channel = GetDlgItem(dialog_, kChannelId);
    if (IsWindowEnabled(channel))
        lines.push_back("the chosen device's CH " + TextOf(channel) + ", ID " + TextOf(GetDlgItem(dialog_, kIdId)));
    const HWND lock = GetDlgItem(dialog_, kLockBoxId);
    lines.push_back(std::string("its Lock box is ") + (!IsWindowEnabled(lock) ? "disabled" : LockTicked() ? "ticked" : "clear"));
    return lines;
}

bool AppletWindow::LockTicked() const { return SendBounded(GetDlgItem(dialog_, kLockBoxId), BM_GETCHECK) == BST_CHECKED; }

bool AppletWindow::ClickLockTo(bool ticked) {
    const HWND lock = GetDlgItem(dialog_, kLockBoxId);
    if (!is_open() || !IsWindowEnabled(lock)) return false;
    if (LockTicked() != ticked) SendBounded(lock, BM_CLICK);
    return true;
}

bool AppletWindow::Close() {
    if (!is_open()) return false;
    SendBounded(GetDlgItem(dialog_, kCloseId), BM_CLICK);
    dialog_ = nullptr;
    return WaitForSingleObject(process_, kOpenLimitMs) == WAIT_OBJECT_0;
}

}  // namespace sim
