// The Power key: the taskbar is asked for its shut-down dialog.
#pragma once

void PerformPowerKey();
