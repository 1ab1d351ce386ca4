// The exit codes of tray_open_at_exit.exe, the program that ends with its tray window open.
#pragma once

namespace tray_test {

constexpr unsigned kEndedAsAsked = 42;       // the code it passed to ExitProcess
constexpr unsigned kNoLibrary = 3;           // trayicon.dll did not load
constexpr unsigned kNoWindow = 4;            // Init_StatusTray made no window
constexpr unsigned kNothingToWatch = 5;      // the library imports nothing from user32 or shell32
constexpr unsigned kCalledWhileEnding = 6;   // the library called user32 or shell32 as the process ended

}  // namespace tray_test
