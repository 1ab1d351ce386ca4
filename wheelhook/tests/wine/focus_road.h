// What the programs of the wheel's road through another process share: the test starts
// wheelhook_focus_host.exe inside a desktop of its own, and the host starts the application
// wheelhook_focus_window.exe there.
#pragma once

namespace wheeltest {

constexpr char kFocusWindowClass[] = "WHEELTESTFOCUSAPP";
// Set by the application once its window is in the foreground, with the focus as asked.
constexpr char kFocusReadyEvent[] = "KbWheelFocusReady";

}  // namespace wheeltest
