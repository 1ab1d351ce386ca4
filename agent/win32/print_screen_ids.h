// The Print Screen notice's template and its check box, shared by its resource script, its
// dialog procedure and the tests that drive it.
#pragma once

#define KB_IDD_PRINT_SCREEN 104
#define KB_IDC_SHOW_PRTSCR 1000
