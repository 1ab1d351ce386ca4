#include "trayicon/dll/icon_set.h"

#include "trayicon/logic/tray_resources.h"

namespace tray {
namespace {

const unsigned kTrayIconResources[] = {
    KB_IDI_PRODUCT,
    KB_IDI_RADIO_IDLE,   KB_IDI_RADIO_ACTIVE, KB_IDI_RADIO_LOW_IDLE, KB_IDI_RADIO_LOW_ACTIVE,
    KB_IDI_LOCK_STATE_0, KB_IDI_LOCK_STATE_1, KB_IDI_LOCK_STATE_2,   KB_IDI_LOCK_STATE_3,
    KB_IDI_LOCK_STATE_4, KB_IDI_LOCK_STATE_5, KB_IDI_LOCK_STATE_6,   KB_IDI_LOCK_STATE_7,
};
constexpr int kIconSize = 16;

}  // namespace

void IconSet::Load(HINSTANCE instance) {
    Release();
    static_assert(sizeof kTrayIconResources / sizeof kTrayIconResources[0] == kCount, "");
    for (unsigned resource : kTrayIconResources) {
        HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_ICON,
                                                   kIconSize, kIconSize, LR_DEFAULTCOLOR));
        entries_[count_++] = Entry{resource, icon};
    }
}

void IconSet::Release() {
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].icon != nullptr) DestroyIcon(entries_[i].icon);
    }
    count_ = 0;
}

HICON IconSet::Get(unsigned resource) const {
    for (int i = 0; i < count_; ++i) {
        if (entries_[i].resource == resource) return entries_[i].icon;
    }
    return nullptr;
}

}  // namespace tray
