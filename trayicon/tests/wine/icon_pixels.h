// Telling which icon resource a handle shows, by its pixels: the library loads its own copies,
// so handles can't be compared, but the pictures can.
#pragma once

#include <windows.h>

#include <vector>

namespace tray_test {

struct IconPicture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> colour;  // 32 bits a pixel, top-down
    std::vector<DWORD> mask;
    bool operator==(const IconPicture& other) const {
        return width == other.width && height == other.height && colour == other.colour && mask == other.mask;
    }
};

IconPicture PictureOf(HICON icon);

// The icon resources of a module, loaded as the notification area shows them (16 by 16).
class IconCatalog {
public:
    IconCatalog(HMODULE module, const std::vector<unsigned>& resources);
    // The resource whose picture the icon shows; 0 for no icon, -1 for a picture not in the catalog.
    int ResourceOf(HICON icon) const;
    const std::vector<std::pair<unsigned, IconPicture>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<unsigned, IconPicture>> entries_;
};

}  // namespace tray_test
