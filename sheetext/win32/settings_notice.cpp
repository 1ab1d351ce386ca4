#include "sheetext/win32/settings_notice.h"

namespace sheetext {

void SendSettingsNotice(HWND window, WPARAM what) {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_WININICHANGE, what, 0, SMTO_ABORTIFHUNG, kSettingsNoticeWaitMs, &answer);
}

}  // namespace sheetext
