// A property sheet of the given pages, opened with PropertySheetA as a control panel opens
// one, but modeless, so that the test drives it and pumps its messages itself.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace kp_test {

// The sheet's own buttons.
constexpr int kApplyButton = 0x3021;

class TestSheet {
public:
    explicit TestSheet(const std::vector<HPROPSHEETPAGE>& pages, int startPage = 0);
    // Destroys the sheet if it is still there: its pages get their PSPCB_RELEASE.
    ~TestSheet();
    TestSheet(const TestSheet&) = delete;
    TestSheet& operator=(const TestSheet&) = delete;

    HWND window() const { return window_; }
    // The page's window once it has been created (shown at least once), else null.
    HWND Page(int index) const;
    // Shows the page, as a click on its tab does, and returns its window.
    HWND Show(int index);

    // The sheet's buttons, pressed as PSM_PRESSBUTTON presses them.
    void PressApply();
    void PressOk();
    void PressCancel();
    bool ApplyEnabled() const;

    // After OK or Cancel the sheet has no current page; it is then destroyed.
    bool Ended() const;
    void Destroy();

    // Dispatches what is queued for the sheet's thread.
    static void Pump();

private:
    void Press(int button);
    HWND window_ = nullptr;
};

}  // namespace kp_test
