// The popup's picture strips, as the resource script and the popup's code number them.
#pragma once

#define KB_IDB_POPUP_PROGRAM 102
#define KB_IDB_POPUP_WEB 103
#define KB_IDB_POPUP_MEDIA 104
#define KB_IDB_POPUP_OFFICE 105
