// KeyboardSettings: the hot-key settings stored under "Software\Orvanta\ZI Dodoveda", as the
// agent and the keyboard settings pages hold them in memory. Numbers are the registry's 32-bit
// values as stored; texts hold at most 127 characters and their terminating NUL.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/registry_names.h"

struct KeyboardSettings {
    uint32_t SearchMode;
    char SearchUrl[KB_REG_TEXT_SIZE];

    uint32_t MailMode;
    uint32_t MailDefault;  // an index of the mail-program list; 0xFFFFFFFF when none is chosen
    char MailCustom[KB_REG_TEXT_SIZE];
    char MailName[KB_REG_TEXT_SIZE];

    uint32_t MyComputerMode;
    char MyComputerCustom[KB_REG_TEXT_SIZE];
    char MyComputerName[KB_REG_TEXT_SIZE];

    uint32_t CalculatorMode;
    char CalculatorCustom[KB_REG_TEXT_SIZE];
    char CalculatorName[KB_REG_TEXT_SIZE];

    uint32_t ShowSearch;
    uint32_t ShowMail;
    uint32_t ShowMedia;
    uint32_t ShowVolume;
    uint32_t ShowMyComputer;
    uint32_t ShowCalculator;
    uint32_t Delay;  // the position chosen in the display-time list, 0 to 11

    uint32_t PrtScr;
    // The four key-disable flags travel to the keyboard filter as one 16-byte block.
    uint32_t DisableCapsLock;
    uint32_t DisableLeftWindow;
    uint32_t DisableRightWindow;
    uint32_t DisableApplication;

    uint32_t Select;  // the media player the media keys control
};

static_assert(offsetof(KeyboardSettings, DisableApplication) - offsetof(KeyboardSettings, DisableCapsLock) == 12,
              "the key-disable flags are one contiguous block");
