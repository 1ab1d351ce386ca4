#include "trayicon/tests/wine/tray_fixture.h"

#include <shellapi.h>

namespace tray_test {

const std::vector<unsigned> kTrayIcons = {147, 130, 131, 145, 146, 137, 138, 139, 140, 141, 142, 143, 144};

namespace {

// Wine's notification area takes about two seconds to answer when its last icon goes away.
// An icon of the test's own, kept for the whole run, spares every test that wait.
class KeepNotificationAreaBusy : public testing::Environment {
public:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TRAYTESTKEEPER";
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  wc.hInstance, nullptr);
        NOTIFYICONDATAA data = Data();
        data.uFlags = NIF_ICON;
        data.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
        Shell_NotifyIconA(NIM_ADD, &data);
    }
    void TearDown() override {
        NOTIFYICONDATAA data = Data();
        Shell_NotifyIconA(NIM_DELETE, &data);
        DestroyWindow(window_);
    }

private:
    NOTIFYICONDATAA Data() const {
        NOTIFYICONDATAA data = {};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = window_;
        data.uID = 1;
        return data;
    }
    HWND window_ = nullptr;
};
const testing::Environment* const g_keeper = testing::AddGlobalTestEnvironment(new KeepNotificationAreaBusy);

template <typename Function>
Function Export(HMODULE dll, int ordinal) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

fixtures::MessageSeen RememberQuit(Pumped& pumped) {
    return [&pumped](const MSG& message) {
        if (message.message != WM_QUIT) return;
        pumped.quit = true;
        pumped.quit_code = message.wParam;
    };
}

void PumpQueued(Pumped& pumped) { fixtures::DispatchQueued(RememberQuit(pumped)); }

std::vector<NotifyCall> CallsFor(DWORD message, UINT id, size_t from) {
    std::vector<NotifyCall> calls;
    const auto& all = Recorded().notifications;
    for (size_t i = from; i < all.size(); ++i) {
        if (all[i].message == message && all[i].id == id) calls.push_back(all[i]);
    }
    return calls;
}

void TrayWindow::SetUp() {
    dll_ = LoadLibraryA("trayicon.dll");
    ASSERT_NE(dll_, nullptr) << "LoadLibraryA, error " << GetLastError();
    catalog_ = new IconCatalog(dll_, kTrayIcons);
    ASSERT_TRUE(InstallShellRecorder(dll_, catalog_));
    init_ = Export<InitFunction>(dll_, 1);
    exit_ = Export<ExitFunction>(dll_, 2);
    ASSERT_NE(init_, nullptr);
    ASSERT_NE(exit_, nullptr);
    window_ = init_();
    ASSERT_NE(window_, nullptr) << "Init_StatusTray, error " << GetLastError();
}

void TrayWindow::TearDown() {
    if (exit_ && IsWindow(window_)) exit_();
    Pumped pumped;
    PumpQueued(pumped);  // the WM_QUIT of the destroyed window
    if (dll_) FreeLibrary(dll_);
    delete catalog_;
}

void TrayWindow::Post(UINT message, WPARAM wparam, LPARAM lparam) {
    ASSERT_TRUE(PostMessageA(window_, message, wparam, lparam));
    PumpQueued(pumped_);
}

}  // namespace tray_test
