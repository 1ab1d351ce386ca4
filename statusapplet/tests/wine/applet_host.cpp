#include "statusapplet/tests/wine/applet_host.h"

#include <cstring>

#include "tools/winsupport/build_files.h"

namespace applet_test {
namespace {

constexpr char kDialogTitle[] = "Skyrel RF Status";
constexpr char kDialogClass[] = "#32770";

struct Search {
    HWND found = nullptr;
};

BOOL CALLBACK TakeStatusDialog(HWND window, LPARAM lParam) {
    char title[64] = {}, class_name[16] = {};
    GetWindowTextA(window, title, sizeof title);
    GetClassNameA(window, class_name, sizeof class_name);
    if (std::strcmp(title, kDialogTitle) != 0 || std::strcmp(class_name, kDialogClass) != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    reinterpret_cast<Search*>(lParam)->found = window;
    return FALSE;
}

}  // namespace

AppletLibrary::AppletLibrary() {
    module_ = LoadLibraryA(winsupport::BuildFile("skyrel.cpl").c_str());
    if (module_ != nullptr) {
        entry_ = reinterpret_cast<APPLET_PROC>(reinterpret_cast<void*>(GetProcAddress(module_, "CPlApplet")));
    }
}

AppletLibrary::~AppletLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
}

LONG AppletLibrary::Send(UINT message, LPARAM lParam1, LPARAM lParam2, HWND panel) const {
    return entry_(panel, message, lParam1, lParam2);
}

HWND WaitForStatusDialog(DWORD thread_id) {
    const DWORD start = GetTickCount();
    do {
        Search search;
        EnumThreadWindows(thread_id, TakeStatusDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        Sleep(10);
    } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
    return nullptr;
}

OpenDialog::OpenDialog(const AppletLibrary& library) : library_(library) {
    if (library_.Send(CPL_INIT) != 1 || library_.Send(CPL_GETCOUNT) != 1) return;
    CPLINFO info = {};
    if (library_.Send(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)) != 0) return;
    data_ = info.lData;
    thread_ = CreateThread(nullptr, 0, &OpenDialog::RunDialog, this, 0, &thread_id_);
    if (thread_ != nullptr) window_ = WaitForStatusDialog(thread_id_);
}

OpenDialog::~OpenDialog() {
    Close();
    library_.Send(CPL_STOP, 0, data_);
    library_.Send(CPL_EXIT);
}

DWORD WINAPI OpenDialog::RunDialog(void* self) {
    OpenDialog* dialog = static_cast<OpenDialog*>(self);
    dialog->dblclk_answer_ = dialog->library_.Send(CPL_DBLCLK, 0, dialog->data_);
    return 0;
}

bool OpenDialog::Close() {
    if (thread_ == nullptr) return false;
    if (IsWindow(window_)) PostMessageA(Control(IDOK), BM_CLICK, 0, 0);
    const bool ended = WaitForSingleObject(thread_, winetest::SLOW_WAIT_LIMIT_MS) == WAIT_OBJECT_0;
    CloseHandle(thread_);
    thread_ = nullptr;
    window_ = nullptr;
    return ended && dblclk_answer_ == 0;
}

}  // namespace applet_test
