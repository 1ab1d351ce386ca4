// skyrel_screenshots.exe: the status dialog in three states, captured as it shows them, for the
// contact sheet of `make art`: nothing linked; the keyboard and the mouse linked with the
// mouse's battery low (the mouse chosen); the receiver locked. The real skyrel.cpl runs over
// the real filter driver in the receiver test bench. The captures are PNG files in
// build/<world>/captures/.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/fixtures/applet_host.h"
#include "statusapplet/tests/wine/dialog_view.h"
#include "tools/capture/window_capture.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/winsupport/build_files.h"

namespace {

using applet_test::AppletLibrary;
using applet_test::OpenDialog;

bool Report(sim::BenchClient& bench, uint8_t kind, uint8_t channel, uint16_t id, uint8_t flags) {
    const bool fed = bench.FeedOne(
        1, {0x03, kind, channel, static_cast<uint8_t>(id & 0xFF), static_cast<uint8_t>(id >> 8), flags});
    bench.TakeHid();
    return fed;
}

bool Save(HWND dialog, const std::string& folder, const char* name) {
    const std::string path = folder + name + ".png";
    const capture::Pixels shot = capture::CaptureClient(dialog);
    std::string error;
    if (shot.rgb.empty() || !capture::WritePng(shot, path, error)) {
        std::fprintf(stderr, "skyrel_screenshots: could not capture %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

int Fail(const char* what) {
    std::fprintf(stderr, "skyrel_screenshots: %s\n", what);
    return 1;
}

}  // namespace

int main() {
    const std::string folder = winsupport::BuildDir() + "..\\captures\\";
    sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    if (!session.ready()) return Fail(session.error().c_str());
    BENCH_PLUG_RESULT plugged = {};
    if (!session.bench().Plug(1, &plugged)) return Fail("the receiver could not be plugged in");
    AppletLibrary library;
    if (!library.loaded()) return Fail("skyrel.cpl did not load");
    // The pointer stays away from the buttons, so that none shows hovered.
    SetCursorPos(0, 0);

    bool saved;
    {
        OpenDialog dialog(library);
        if (dialog.window() == nullptr) return Fail("no status dialog");
        saved = Save(dialog.window(), folder, "statusapplet_nothing_linked");
    }

    if (!Report(session.bench(), DEVICE_KEYBOARD, 2, 0x123, 0) ||
        !Report(session.bench(), DEVICE_MOUSE, 5, 0x0FFF, RF_FLAG_BATTERY_LOW)) {
        return Fail("the device reports did not reach the filter");
    }
    OpenDialog dialog(library);
    if (dialog.window() == nullptr) return Fail("no status dialog");
    applet_test::Tick(dialog.window());
    SendMessageA(applet_test::DeviceButton(dialog.window(), DEVICE_MOUSE), BM_CLICK, 0, 0);
    saved = Save(dialog.window(), folder, "statusapplet_mouse_battery_low") && saved;

    if (!Report(session.bench(), DEVICE_KEYBOARD, 2, 0x123, RF_FLAG_LOCK)) return Fail("the lock report was lost");
    applet_test::Tick(dialog.window());
    applet_test::Tick(dialog.window());
    saved = Save(dialog.window(), folder, "statusapplet_locked") && saved;
    return dialog.Close() && saved ? 0 : 1;
}
