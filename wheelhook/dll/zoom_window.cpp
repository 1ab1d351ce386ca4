// The zoom window: a magnified, frozen picture of the screen around the pointer. Hidden most
// of the time, it is also the library's message target in the agent's process.
#include "wheelhook/dll/hooks.h"

#include "common/private_messages.h"
#include "common/window_classes.h"
#include "wheelhook/dll/shared_state.h"
#include "wheelhook/dll/win32_handles.h"
#include "wheelhook/dll/win32_platform.h"
#include "wheelhook/logic/zoom_geometry.h"
#include "wheelhook/wheelhook.h"

namespace {

RECT RectOf(const ZoomRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

void DeleteSnapshot() {
    HDC dc = g_shared.SnapshotDc;
    if (!dc) return;
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    g_shared.SnapshotDc = nullptr;
    DeleteDC(dc);
    // Once the context is gone the bitmap is free; a context without one of ours holds the
    // stock bitmap, which the platform refuses to delete.
    if (bitmap) DeleteObject(bitmap);
}

// The whole screen, copied once per opening; the part beyond the screen stays black.
void TakeSnapshot() {
    ScreenDc screen;
    DeleteSnapshot();
    g_shared.SnapshotDc = CreateCompatibleDC(screen.Get());
    const int screen_width = GetDeviceCaps(screen.Get(), HORZRES);
    const int screen_height = GetDeviceCaps(screen.Get(), VERTRES);
    const SnapshotSize size = ZoomSnapshotSize(g_shared.Settings, screen_width, screen_height);
    g_shared.SnapshotWidth = size.width;
    g_shared.SnapshotHeight = size.height;
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), size.width, size.height);
    if (!g_shared.SnapshotDc || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        return;
    }
    SelectObject(g_shared.SnapshotDc, bitmap);
    PatBlt(g_shared.SnapshotDc, 0, 0, size.width, size.height, BLACKNESS);
    BitBlt(g_shared.SnapshotDc, 0, 0, screen_width, screen_height, screen.Get(), 0, 0, SRCCOPY);
}

void PaintZoomWindow(HWND window) {
    PaintSession paint(window);
    RECT client;
    GetClientRect(window, &client);
    const RECT& source = g_shared.SourceSquare;
    const ZoomBlit blit = PlanZoomBlit(source.left, source.top, ZoomPaintSourceSide(g_shared.Settings),
                                       client.right, client.bottom);
    if (!blit.any || blit.dest_x > 0 || blit.dest_y > 0)
        FillRect(paint.Dc(), &client, GetSysColorBrush(COLOR_WINDOW));
    if (!blit.any) return;
    StretchBlt(paint.Dc(), blit.dest_x, blit.dest_y, blit.dest_width, blit.dest_height,
               g_shared.SnapshotDc, blit.source_x, blit.source_y, blit.source_width,
               blit.source_height, SRCCOPY);
}

void LaunchFunction() {
    Win32WheelPlatform platform;
    RunLaunchFunction(g_shared.Functions, g_shared.Settings.Function, g_commands, platform);
}

LRESULT CALLBACK ZoomWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintZoomWindow(window);
        return 0;
    case WM_WININICHANGE:
        ReadFilterRegistry();
        return 0;
    case WM_LAUNCH_FUNCTION:
        LaunchFunction();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterZoomClass(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ZoomWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = KB_CLASS_ZOOM;
    return RegisterClassA(&wc) != 0;
}

void UnregisterZoomClass(HINSTANCE instance) { UnregisterClassA(KB_CLASS_ZOOM, instance); }

HWND CreateZoomWindow(HINSTANCE instance, int side) {
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, KB_CLASS_ZOOM, "OVMSZOOM Window",
                           WS_POPUP | WS_BORDER, 0, 0, side, side, nullptr, nullptr, instance,
                           nullptr);
}

void OpenZoom(POINT pointer) {
    g_shared.ZoomOpen = 1;
    TakeSnapshot();
    g_shared.SavedForeground = GetForegroundWindow();
    PlaceZoomWindow(pointer.x, pointer.y);
    ShowWindow(g_shared.ZoomWindow, SW_SHOW);
    SetForegroundWindow(g_shared.SavedForeground);
}

void CloseZoom() {
    g_shared.ZoomOpen = 0;
    DeleteSnapshot();
    ShowWindow(g_shared.ZoomWindow, SW_HIDE);
}

void PlaceZoomWindow(int x, int y) {
    const ZoomPlacement placement = PlaceZoom(g_shared.Settings, x, y);
    g_shared.ZoomWindowRect = RectOf(placement.window);
    g_shared.SourceSquare = RectOf(placement.source);
    const int side = ZoomWindowSide(g_shared.Settings);
    SetWindowPos(g_shared.ZoomWindow, HWND_TOPMOST, placement.window.Left, placement.window.Top,
                 side, side, SWP_NOACTIVATE | SWP_NOZORDER);
    InvalidateRect(g_shared.ZoomWindow, nullptr, FALSE);
}
