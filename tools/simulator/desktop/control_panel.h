// A control panel's settings pages as a user opens them: the pages' server registered by Wine's
// regsvr32 (and unregistered again at the end when the session registered it), found by
// shell32's property-sheet handler array below the panel's "Controls Folder" key, as the
// Keyboard and Mouse control panels find them, and shown in a sheet of the panel's name. The
// sheet runs on a thread of its own with its message loop, so that its pages paint and answer
// while the session goes on. OK applies what the pages changed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sim {

enum class Panel { Keyboard, Mouse };

class ControlPanel {
public:
    ControlPanel() = default;
    // A sheet still open is cancelled.
    ~ControlPanel();
    ControlPanel(const ControlPanel&) = delete;
    ControlPanel& operator=(const ControlPanel&) = delete;

    // Opens the panel's sheet at the page a user comes for: the Keyboard's On-Screen Display,
    // the Mouse's Wheel Button. False with the reason in `error`.
    bool Open(Panel panel, std::string* error);
    bool is_open() const { return sheet_ != nullptr; }
    Panel panel() const { return panel_; }
    // What the shown page shows, a line for its title and one for each box ticked, button
    // chosen and list item picked.
    std::vector<std::string> Describe() const;
    // Picks item `index` of the shown page's first list, as the mouse does; false when it has
    // no such item.
    bool Pick(int index);
    // The sheet's OK button; true when the sheet ended.
    bool PressOk();

private:
    static DWORD WINAPI Run(void* self);
    void Close(int button);
    HWND Page() const;

    Panel panel_ = Panel::Keyboard;
    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    HWND sheet_ = nullptr;
    bool ended_ = false;  // the last sheet's thread ended when it was closed
    std::vector<std::string> registered_;  // servers this session registered
};

}  // namespace sim
