// CPage1, "Hot Keys": the five programmable hot keys in an owner-drawn list, the picture and
// description of the chosen one, and what it starts.
#pragma once

#include "keypages/dll/gdi_objects.h"
#include "keypages/dll/keyboard_page.h"
#include "keypages/logic/hot_keys.h"

namespace keypages {

class CPage1 : public KeyboardPage {
public:
    // Loads the five item bitmaps and the five pictures, which live as long as the page.
    explicit CPage1(sheetext::CShellExtension* owner);

private:
    void OnInitDialog(HWND page) override;
    void OnCommand(HWND page, int control, int code) override;
    INT_PTR OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) const;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;
    void OnListSelectionChange(HWND page);
    void OnKeyButton(HWND page, HotKey key);
    void OnChoice(HWND page, Choice choice);
    void OnChooseProgram(HWND page);
    void TakeAddress(HWND page);
    void ShowKey(HWND page) const;
    void ShowChoice(HWND page) const;

    HotKey current_ = kSearch;
    ModuleBitmap item_bitmaps_[kHotKeyCount];
    ModuleBitmap pictures_[kHotKeyCount];
};

}  // namespace keypages
