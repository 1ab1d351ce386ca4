// The hook procedures and the zoom window of the library, as the installer and each other
// use them.
#pragma once

#include <windows.h>

LRESULT CALLBACK WheelLowLevelHook(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK WheelMessageHook(int code, WPARAM wParam, LPARAM lParam);

// The zoom window's class, registered in every process that maps the library.
bool RegisterZoomClass(HINSTANCE instance);
void UnregisterZoomClass(HINSTANCE instance);
HWND CreateZoomWindow(HINSTANCE instance, int side);

void OpenZoom(POINT pointer);
void CloseZoom();
void PlaceZoomWindow(int x, int y);
