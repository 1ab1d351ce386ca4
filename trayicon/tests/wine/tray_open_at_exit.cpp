// A program that ends with its tray window still open, as the agent does when it ends without
// shutting the tray down: it loads trayicon.dll, creates the tray window (ordinal 1) and ends
// the process without Exit_StatusTray (ordinal 2). Its exit code says how that went
// (tray_open_at_exit.h).
//
// While a process ends, its other threads are already gone, perhaps in the middle of a call
// into user32 or shell32 and holding their locks, so the library must call neither from its
// detach. Under Wine such a call goes through unharmed, so once the window exists this
// program points every entry of the library's import table for the two at a function that
// ends the process at once with kCalledWhileEnding: a late call shows in the exit code.
#include <windows.h>

#include "tools/fixtures/import_patch.h"
#include "trayicon/tests/wine/tray_open_at_exit.h"

namespace {

using InitFunction = HWND(WINAPI*)();

// Never returns, so it can stand in for any function, whatever its arguments.
void WINAPI EndTheProcessAtOnce() {
    TerminateProcess(GetCurrentProcess(), tray_test::kCalledWhileEnding);
}

}  // namespace

int main() {
    HMODULE dll = LoadLibraryA("trayicon.dll");
    if (dll == nullptr) return tray_test::kNoLibrary;
    auto init = reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(1))));
    if (init == nullptr || init() == nullptr) return tray_test::kNoWindow;

    void* end = reinterpret_cast<void*>(EndTheProcessAtOnce);
    int watched = import_patch::PatchEveryImport(dll, "user32.dll", end) +
                  import_patch::PatchEveryImport(dll, "shell32.dll", end);
    if (watched == 0) return tray_test::kNothingToWatch;
    ExitProcess(tray_test::kEndedAsAsked);
}
