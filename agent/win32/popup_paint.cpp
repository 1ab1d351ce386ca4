#include "agent/win32/popup_paint.h"

#include <cstring>

#include "agent/logic/popup_layout.h"
#include "agent/logic/popup_resources.h"
#include "agent/win32/agent_log.h"

namespace {

HBITMAP PictureStrip(const PopupPictures& pictures, OsdGroup group) {
    switch (PopupBitmapId(group)) {
    case KB_IDB_POPUP_PROGRAM:
        return pictures.program;
    case KB_IDB_POPUP_WEB:
        return pictures.web;
    case KB_IDB_POPUP_MEDIA:
        return pictures.media;
    case KB_IDB_POPUP_OFFICE:
        return pictures.office;
    default:
        return nullptr;
    }
}

HBITMAP LoadStrip(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

void DrawPicture(HDC dc, HBITMAP strip, int index) {
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    const HGDIOBJ previous = strip ? SelectObject(memory, strip) : nullptr;
    const PopupRect target = PopupPictureRect();
    const PopupRect source = PopupPictureSourceRect(index);
    if (strip) {
        BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, memory,
               source.left, source.top, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
}

void DrawVolumeBar(HDC dc, const PopupRect& client, uint32_t level) {
    const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    const HGDIOBJ old_brush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    const PopupRect bar = VolumeBarRect(client);
    Rectangle(dc, bar.left, bar.top, bar.right, bar.bottom);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    if (green) {
        SelectObject(dc, green);
        PopupRect segments[kVolumeBarSegmentCount];
        const int count = VolumeBarSegments(client, level, segments);
        for (int i = 0; i < count; ++i) {
            Rectangle(dc, segments[i].left, segments[i].top, segments[i].right, segments[i].bottom);
        }
    }
    WriteAgentLog("Vol = %d", static_cast<int>(level));
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    if (green) DeleteObject(green);
}

void DrawCaption(HDC dc, const PopupRect& client, const char* caption) {
    if (!caption) return;
    const PopupRect area = PopupTextArea(client);
    RECT text = {area.left, area.top, area.right, area.bottom};
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, caption, static_cast<int>(strlen(caption)), &text, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

PopupPictures LoadPopupPictures(HINSTANCE instance) {
    return {LoadStrip(instance, KB_IDB_POPUP_PROGRAM), LoadStrip(instance, KB_IDB_POPUP_WEB),
            LoadStrip(instance, KB_IDB_POPUP_MEDIA), LoadStrip(instance, KB_IDB_POPUP_OFFICE)};
}

void DeletePopupPictures(PopupPictures& pictures) {
    HBITMAP* const strips[] = {&pictures.program, &pictures.web, &pictures.media, &pictures.office};
    for (HBITMAP* strip : strips) {
        if (*strip) DeleteObject(*strip);
        *strip = nullptr;
    }
}

void PaintPopup(HWND popup, const PopupPictures& pictures, const PopupContent& content,
                const KeyboardSettings& settings) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(popup, &paint);
    if (!dc) return;
    RECT client_rect;
    GetClientRect(popup, &client_rect);
    const PopupRect client = {client_rect.left, client_rect.top, client_rect.right, client_rect.bottom};
    // An index the group doesn't have draws no picture and no caption.
    if (content.index >= 0 && content.index < PopupEntryCount(content.group)) {
        DrawPicture(dc, PictureStrip(pictures, content.group), content.index);
        if (PopupShowsVolumeBar(content.group, content.index)) {
            DrawVolumeBar(dc, client, content.level);
        } else {
            DrawCaption(dc, client, PopupCaption(content.group, content.index, settings));
        }
    }
    EndPaint(popup, &paint);
}
