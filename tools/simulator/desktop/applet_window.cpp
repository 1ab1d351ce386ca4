#include "tools/simulator/desktop/applet_window.h"

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/status_layout.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/window_text.h"
#include "tools/winsupport/build_files.h"

namespace sim {
namespace {

constexpr char kDialogTitle[] = "Skyrel RF Status";
constexpr DWORD kOpenLimitMs = 30000;
constexpr DWORD kSendLimitMs = 5000;

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
    process_ = fixtures::StartProgram("control.exe skyrel.cpl", winsupport::BuildDir()).process;
    if (process_ == nullptr) {
        *error = "control.exe did not start (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
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
    // The buttons in the dialog's order, each named as it names itself.
    for (const applet::DeviceButtonPlace& place : applet::kDeviceButtons) {
        const HWND button = GetDlgItem(dialog_, place.control_id);
        if (IsWindowEnabled(button)) linked += std::string(linked.empty() ? "" : ", ") + fixtures::WindowText(button);
    }
    lines.push_back("the applet shows the linked devices: " + (linked.empty() ? std::string("none") : linked));
    const HWND channel = GetDlgItem(dialog_, KB_IDC_CHANNEL);
    if (IsWindowEnabled(channel))
        lines.push_back("the chosen device's CH " + fixtures::WindowText(channel) + ", ID " + fixtures::WindowText(GetDlgItem(dialog_, KB_IDC_ID)));
    const HWND lock = GetDlgItem(dialog_, KB_IDC_LOCK);
    lines.push_back(std::string("its Lock box is ") + (!IsWindowEnabled(lock) ? "disabled" : LockTicked() ? "ticked" : "clear"));
    return lines;
}

bool AppletWindow::LockTicked() const { return SendBounded(GetDlgItem(dialog_, KB_IDC_LOCK), BM_GETCHECK) == BST_CHECKED; }

bool AppletWindow::ClickLockTo(bool ticked) {
    const HWND lock = GetDlgItem(dialog_, KB_IDC_LOCK);
    if (!is_open() || !IsWindowEnabled(lock)) return false;
    if (LockTicked() != ticked) SendBounded(lock, BM_CLICK);
    return true;
}

bool AppletWindow::Close() {
    if (!is_open()) return false;
    SendBounded(GetDlgItem(dialog_, IDOK), BM_CLICK);
    dialog_ = nullptr;
    return WaitForSingleObject(process_, kOpenLimitMs) == WAIT_OBJECT_0;
}

}  // namespace sim
