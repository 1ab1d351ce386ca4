// Window classes by which the programs of the system find each other.
#pragma once

#define KB_CLASS_AGENT_MAIN "OVRFSKYRLZRK"
#define KB_CLASS_AGENT_POPUP "OVRFPOPUPZRK"
#define KB_CLASS_MEDIA_SELECT "OVRFSELECTZRK"
#define KB_CLASS_STATUS_TRAY "OVSKYRELSTATUSTRAYZRK"
#define KB_CLASS_ZOOM "OVMSZOOM"
