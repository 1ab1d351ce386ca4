// The pictures of the notification icons, loaded once per tray window and released with it.
#pragma once

#include <windows.h>

namespace tray {

// The set has no destructor on purpose: it lives in static storage, and a destructor would run
// when the process ends with the window still open, from the library's detach, where calling
// user32 is not safe. The window's destruction releases the pictures; a process that ends
// without destroying the window leaves them to the system.
class IconSet {
public:
    IconSet() = default;
    IconSet(const IconSet&) = delete;
    IconSet& operator=(const IconSet&) = delete;

    // Loads every icon resource the tray shows, at the notification area's 16 by 16.
    void Load(HINSTANCE instance);
    void Release();
    // The loaded icon of a resource number; nullptr for one that is not loaded.
    HICON Get(unsigned resource) const;

private:
    struct Entry {
        unsigned resource;
        HICON icon;
    };
    static constexpr int kCount = 13;
    Entry entries_[kCount] = {};
    int count_ = 0;
};

}  // namespace tray
