// Counts the GDI and USER objects that chosen modules of this process make and have not freed,
// for the soak. Wine's GetGuiResources answers 0, so the modules' imports that make or free such
// objects are pointed at wrappers that keep the live handles in a table; the modules themselves
// stay the ones under test. The figures are published in the file mapping named by
// GuiCounterMappingName(process id). Never shipped.
#include <windows.h>

#include "agent/bench/gui_object_counter.h"
#include "tools/fixtures/import_patch.h"

namespace {

constexpr int kTableSize = 8192;  // open addressing; the agent keeps a few dozen alive

struct LiveTable {
    HANDLE handles[kTableSize];
    LONG count;
    LONG made;
};

CRITICAL_SECTION g_lock;
LiveTable g_gdi;
LiveTable g_user;
GUI_OBJECT_COUNTS* g_published;

size_t Slot(HANDLE handle) { return (reinterpret_cast<uintptr_t>(handle) >> 2) % kTableSize; }

void Publish() {
    if (!g_published) return;
    g_published->GdiObjects = g_gdi.count;
    g_published->UserObjects = g_user.count;
    g_published->GdiMade = g_gdi.made;
    g_published->UserMade = g_user.made;
}

void Add(LiveTable& table, HANDLE handle) {
    if (!handle) return;
    EnterCriticalSection(&g_lock);
    ++table.made;
    for (size_t i = Slot(handle), n = 0; n < kTableSize; i = (i + 1) % kTableSize, ++n) {
        if (table.handles[i] == handle) break;  // a shared object handed out again
        if (table.handles[i] == nullptr) {
            table.handles[i] = handle;
            ++table.count;
            break;
        }
    }
    Publish();
    LeaveCriticalSection(&g_lock);
}

// Backward-shift deletion keeps every remaining handle reachable from its slot.
void Remove(LiveTable& table, HANDLE handle) {
    if (!handle) return;
    EnterCriticalSection(&g_lock);
    for (size_t i = Slot(handle), n = 0; n < kTableSize && table.handles[i]; i = (i + 1) % kTableSize, ++n) {
        if (table.handles[i] != handle) continue;
        table.handles[i] = nullptr;
        --table.count;
        for (size_t j = (i + 1) % kTableSize; table.handles[j]; j = (j + 1) % kTableSize) {
            HANDLE moved = table.handles[j];
            table.handles[j] = nullptr;
            for (size_t k = Slot(moved);; k = (k + 1) % kTableSize) {
                if (!table.handles[k]) {
                    table.handles[k] = moved;
                    break;
                }
            }
        }
        break;
    }
    Publish();
    LeaveCriticalSection(&g_lock);
}

// The system's functions as the modules imported them.
struct {
    decltype(&CreateCompatibleDC) CreateCompatibleDC;
    decltype(&DeleteDC) DeleteDC;
    decltype(&GetDC) GetDC;
    decltype(&GetWindowDC) GetWindowDC;
    decltype(&ReleaseDC) ReleaseDC;
    decltype(&CreateSolidBrush) CreateSolidBrush;
    decltype(&CreatePen) CreatePen;
    decltype(&CreateFontIndirectA) CreateFontIndirectA;
    decltype(&CreateCompatibleBitmap) CreateCompatibleBitmap;
    decltype(&LoadBitmapA) LoadBitmapA;
    decltype(&LoadImageA) LoadImageA;
    decltype(&DeleteObject) DeleteObject;
    decltype(&LoadMenuA) LoadMenuA;
    decltype(&CreatePopupMenu) CreatePopupMenu;
    decltype(&DestroyMenu) DestroyMenu;
    decltype(&CreateIconIndirect) CreateIconIndirect;
    decltype(&DestroyIcon) DestroyIcon;
} g_system;

HDC WINAPI CountCreateCompatibleDC(HDC dc) {
    HDC made = g_system.CreateCompatibleDC(dc);
    Add(g_gdi, made);
    return made;
}
BOOL WINAPI CountDeleteDC(HDC dc) {
    Remove(g_gdi, dc);
    return g_system.DeleteDC(dc);
}
HDC WINAPI CountGetDC(HWND window) {
    HDC dc = g_system.GetDC(window);
    Add(g_gdi, dc);
    return dc;
}
HDC WINAPI CountGetWindowDC(HWND window) {
    HDC dc = g_system.GetWindowDC(window);
    Add(g_gdi, dc);
    return dc;
}
int WINAPI CountReleaseDC(HWND window, HDC dc) {
    Remove(g_gdi, dc);
    return g_system.ReleaseDC(window, dc);
}
HBRUSH WINAPI CountCreateSolidBrush(COLORREF color) {
    HBRUSH made = g_system.CreateSolidBrush(color);
    Add(g_gdi, made);
    return made;
}
HPEN WINAPI CountCreatePen(int style, int width, COLORREF color) {
    HPEN made = g_system.CreatePen(style, width, color);
    Add(g_gdi, made);
    return made;
}
HFONT WINAPI CountCreateFontIndirectA(const LOGFONTA* font) {
    HFONT made = g_system.CreateFontIndirectA(font);
    Add(g_gdi, made);
    return made;
}
HBITMAP WINAPI CountCreateCompatibleBitmap(HDC dc, int width, int height) {
    HBITMAP made = g_system.CreateCompatibleBitmap(dc, width, height);
    Add(g_gdi, made);
    return made;
}
HBITMAP WINAPI CountLoadBitmapA(HINSTANCE instance, LPCSTR name) {
    HBITMAP made = g_system.LoadBitmapA(instance, name);
    Add(g_gdi, made);
    return made;
}
HANDLE WINAPI CountLoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int width, int height, UINT flags) {
    HANDLE made = g_system.LoadImageA(instance, name, type, width, height, flags);
    // Shared images belong to the system and are never freed by their user.
    if (!(flags & LR_SHARED)) Add(type == IMAGE_BITMAP ? g_gdi : g_user, made);
    return made;
}
BOOL WINAPI CountDeleteObject(HGDIOBJ object) {
    Remove(g_gdi, object);
    return g_system.DeleteObject(object);
}
HMENU WINAPI CountLoadMenuA(HINSTANCE instance, LPCSTR name) {
    HMENU made = g_system.LoadMenuA(instance, name);
    Add(g_user, made);
    return made;
}
HMENU WINAPI CountCreatePopupMenu() {
    HMENU made = g_system.CreatePopupMenu();
    Add(g_user, made);
    return made;
}
BOOL WINAPI CountDestroyMenu(HMENU menu) {
    Remove(g_user, menu);
    return g_system.DestroyMenu(menu);
}
HICON WINAPI CountCreateIconIndirect(PICONINFO info) {
    HICON made = g_system.CreateIconIndirect(info);
    Add(g_user, made);
    return made;
}
BOOL WINAPI CountDestroyIcon(HICON icon) {
    Remove(g_user, icon);
    return g_system.DestroyIcon(icon);
}

template <typename Function>
void Wrap(HMODULE module, const char* dll, const char* name, Function& original, Function wrapper) {
    void* before = import_patch::PatchImport(module, dll, name, reinterpret_cast<void*>(wrapper));
    if (before && !original) original = reinterpret_cast<Function>(before);
}

}  // namespace

namespace gui_counter {

bool StartCounting() {
    InitializeCriticalSection(&g_lock);
    char name[64];
    GuiCounterMappingName(GetCurrentProcessId(), name, sizeof name);
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(GUI_OBJECT_COUNTS), name);
    if (mapping) g_published = static_cast<GUI_OBJECT_COUNTS*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0));
    Publish();
    return g_published != nullptr;
}

// A module counted again (loaded anew at another address, or the same one twice) keeps the
// system's functions as first found.
void CountObjectsOf(HMODULE module) {
    if (!module) return;
    Wrap(module, "gdi32.dll", "CreateCompatibleDC", g_system.CreateCompatibleDC, &CountCreateCompatibleDC);
    Wrap(module, "gdi32.dll", "DeleteDC", g_system.DeleteDC, &CountDeleteDC);
    Wrap(module, "user32.dll", "GetDC", g_system.GetDC, &CountGetDC);
    Wrap(module, "user32.dll", "GetWindowDC", g_system.GetWindowDC, &CountGetWindowDC);
    Wrap(module, "user32.dll", "ReleaseDC", g_system.ReleaseDC, &CountReleaseDC);
    Wrap(module, "gdi32.dll", "CreateSolidBrush", g_system.CreateSolidBrush, &CountCreateSolidBrush);
    Wrap(module, "gdi32.dll", "CreatePen", g_system.CreatePen, &CountCreatePen);
    Wrap(module, "gdi32.dll", "CreateFontIndirectA", g_system.CreateFontIndirectA, &CountCreateFontIndirectA);
    Wrap(module, "gdi32.dll", "CreateCompatibleBitmap", g_system.CreateCompatibleBitmap, &CountCreateCompatibleBitmap);
    Wrap(module, "user32.dll", "LoadBitmapA", g_system.LoadBitmapA, &CountLoadBitmapA);
    Wrap(module, "user32.dll", "LoadImageA", g_system.LoadImageA, &CountLoadImageA);
    Wrap(module, "gdi32.dll", "DeleteObject", g_system.DeleteObject, &CountDeleteObject);
    Wrap(module, "user32.dll", "LoadMenuA", g_system.LoadMenuA, &CountLoadMenuA);
    Wrap(module, "user32.dll", "CreatePopupMenu", g_system.CreatePopupMenu, &CountCreatePopupMenu);
    Wrap(module, "user32.dll", "DestroyMenu", g_system.DestroyMenu, &CountDestroyMenu);
    Wrap(module, "user32.dll", "CreateIconIndirect", g_system.CreateIconIndirect, &CountCreateIconIndirect);
    Wrap(module, "user32.dll", "DestroyIcon", g_system.DestroyIcon, &CountDestroyIcon);
}

}  // namespace gui_counter
