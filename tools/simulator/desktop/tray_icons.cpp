#include "tools/simulator/desktop/tray_icons.h"

#include "tools/winsupport/build_files.h"
#include "trayicon/logic/tray_resources.h"

namespace sim {
namespace {

constexpr int kSide = 16;
// The taskbar lies along the bottom of the screen, the notification area at its right end.
constexpr int kStripHeight = 40;
constexpr int kStripWidth = 320;

// The icon drawn over one background colour, as pixels.
std::vector<uint32_t> DrawnOver(HICON icon, COLORREF background) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kSide, kSide);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, kSide, kSide};
    FillRect(memory, &all, brush);
    DrawIconEx(memory, 0, 0, icon, kSide, kSide, 0, nullptr, DI_NORMAL);
    SelectObject(memory, previous);
    capture::Pixels pixels = capture::PixelsOf(bitmap);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels.rgb;
}

std::string LockMeaning(int state) {
    std::string on;
    if (state & 4) on += "Num ";
    if (state & 2) on += "Caps ";
    if (state & 1) on += "Scroll ";
    return "the lock-key icon (" + (on.empty() ? std::string("no lock key on") : on + "on") + ")";
}

}  // namespace

TrayIcons::TrayIcons() {
    HMODULE library = LoadLibraryExA(winsupport::BuildFile("trayicon.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (library == nullptr) return;
    std::vector<std::pair<int, std::string>> wanted = {
        {KB_IDI_PRODUCT, "the product icon"},
        {KB_IDI_RADIO_IDLE, "the radio icon (batteries normal)"},
        {KB_IDI_RADIO_ACTIVE, "the radio icon (batteries normal, traffic)"},
        {KB_IDI_RADIO_LOW_IDLE, "the radio icon (a battery low)"},
        {KB_IDI_RADIO_LOW_ACTIVE, "the radio icon (a battery low, traffic)"},
    };
    for (int state = 0; state < 8; ++state) wanted.push_back({KB_IDI_LOCK_STATE_0 + state, LockMeaning(state)});
    for (const auto& entry : wanted) {
        HICON icon = static_cast<HICON>(
            LoadImageA(library, MAKEINTRESOURCEA(entry.first), IMAGE_ICON, kSide, kSide, LR_DEFAULTCOLOR));
        if (icon == nullptr) continue;
        Icon drawn;
        drawn.meaning = entry.second;
        const std::vector<uint32_t> black = DrawnOver(icon, RGB(0, 0, 0));
        const std::vector<uint32_t> white = DrawnOver(icon, RGB(255, 255, 255));
        DestroyIcon(icon);
        if (black.size() != kSide * kSide || white.size() != black.size()) continue;
        drawn.rgb = black;
        // A pixel the background shows through is not the icon's.
        for (size_t i = 0; i < black.size(); ++i) drawn.opaque.push_back(black[i] == white[i]);
        icons_.push_back(drawn);
    }
    FreeLibrary(library);
}

bool TrayIcons::Matches(const Icon& icon, const capture::Pixels& screen, int left, int top) const {
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const size_t i = static_cast<size_t>(y) * kSide + x;
            if (icon.opaque[i] && screen.At(left + x, top + y) != icon.rgb[i]) return false;
        }
    }
    return true;
}

std::string TrayIcons::Describe(const capture::Pixels& screen) const {
    std::string found;
    const int top_limit = screen.height - kStripHeight < 0 ? 0 : screen.height - kStripHeight;
    const int left_limit = screen.width - kStripWidth < 0 ? 0 : screen.width - kStripWidth;
    for (int x = left_limit; x + kSide <= screen.width; ++x) {
        for (int y = top_limit; y + kSide <= screen.height; ++y) {
            for (const Icon& icon : icons_) {
                if (!Matches(icon, screen, x, y)) continue;
                found += (found.empty() ? "" : ", ") + icon.meaning;
                x += kSide - 1;  // icons don't overlap
                y = screen.height;
                break;
            }
        }
    }
    return found;
}

}  // namespace sim
