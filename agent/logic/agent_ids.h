// Numbers of the agent's resources, commands and timers, shared by its resource script, its
// window procedures and the tests that drive them.
#pragma once

#define KB_IDI_AGENT 107
#define KB_IDI_AGENT_SMALL 108
#define KB_IDR_AGENT_MENU 135

#define KB_IDM_PRTSCR_NOTICE 100  // to the popup window
#define KB_IDM_EXIT 105
#define KB_IDM_REBOOT 32771

#define KB_TIMER_POPUP 115
#define KB_TIMER_REBOOT_PROMPT 118
#define KB_TIMER_VOLUME_REPEAT 119
