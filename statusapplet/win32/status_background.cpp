#include "statusapplet/win32/status_background.h"

#include "statusapplet/logic/status_layout.h"

namespace applet {
namespace {

constexpr COLORREF kLogoSeeThrough = RGB(255, 255, 255);

void DrawLogo(HDC dc, HBITMAP logo) {
    BITMAP size = {};
    if (GetObjectA(logo, sizeof size, &size) == 0) return;
    HDC source = CreateCompatibleDC(dc);
    if (source == nullptr) return;
    HGDIOBJ old = SelectObject(source, logo);
    TransparentBlt(dc, kLogoOrigin.x, kLogoOrigin.y, size.bmWidth, size.bmHeight, source, 0, 0, size.bmWidth,
                   size.bmHeight, kLogoSeeThrough);
    SelectObject(source, old);
    DeleteDC(source);
}

void DrawCurve(HDC dc) {
    POINT points[kCurvePointCount];
    for (int i = 0; i < kCurvePointCount; ++i) points[i] = {kCurvePoints[i].x, kCurvePoints[i].y};
    PolyBezier(dc, points, kCurvePointCount);
}

}  // namespace

void PaintStatusBackground(HWND dialog, HDC dc, HBITMAP logo) {
    RECT client;
    GetClientRect(dialog, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    DrawLogo(dc, logo);
    DrawCurve(dc);
}

}  // namespace applet
