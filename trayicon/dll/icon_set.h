// The pictures of the notification icons, loaded once per tray window and released with it.
#pragma once

#include <windows.h>

namespace tray {

class IconSet {
public:
    IconSet() = default;
    IconSet(const IconSet&) = delete;
    IconSet& operator=(const IconSet&) = delete;
    ~IconSet() { Release(); }

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
