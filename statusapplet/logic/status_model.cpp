#include "statusapplet/logic/status_model.h"

#include "statusapplet/logic/status_block.h"

namespace applet {
namespace {

// Holds the busy flag for as long as it lives, so that every way out of a refresh, a failed
// request included, lets the next one run.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

void SetLockBit(RF_DATA& table, bool locked) {
    for (RF_RECORD& record : table.Record) {
        record.Flags = static_cast<uint8_t>(locked ? record.Flags | RF_FLAG_LOCK : record.Flags & ~RF_FLAG_LOCK);
    }
}

}  // namespace

void StatusModel::Start() {
    table_ = RF_DATA{};
    selected_ = kNoDevice;
    last_flags_ = kUnseenLockFlags;
    lock_stored_ = false;
    if (!platform_.OpenFilter()) {
        Refresh();
    } else {
        RF_DATA fresh{};
        if (platform_.ReadTable(&fresh)) {
            table_ = fresh;
            selected_ = FirstLinked(table_);
            NoteLockFlags(false);
            Refresh();
        }
    }
    busy_ = false;
}

void StatusModel::Tick() {
    if (busy_) return;
    BusyScope scope(busy_);
    if (!platform_.FilterOpen() && !platform_.OpenFilter()) return;
    RF_DATA fresh{};
    if (!platform_.ReadTable(&fresh)) return;
    table_ = fresh;
    NoteLockFlags(true);
    Refresh();
}

void StatusModel::Press(int record_index) {
    selected_ = record_index;
    Refresh();
}

bool StatusModel::LockClicked(bool ticked) {
    using devclient::CompanionAnswer;
    const uint8_t lock_byte = ticked ? LOCK_BYTE_ON_BIT : 0;
    // The box's state reaches the hot-key filter even when the companion refused it.
    const CompanionAnswer answer = devclient::SendLockByte(platform_, lock_byte, devclient::AfterRefusal::SendToFilter);
    if (answer == CompanionAnswer::NotOpened) return false;
    if (answer == CompanionAnswer::Taken) {
        SetLockBit(table_, ticked);
        last_flags_ = table_.Record[DEVICE_KEYBOARD].Flags;
        lock_stored_ = true;
    }
    platform_.WriteUsbLock(lock_byte != 0);
    return true;
}

bool StatusModel::TakeStatusBlock(const void* data, size_t size) {
    return ReadStatusBlock(data, size, &table_);
}

void StatusModel::Refresh() {
    selected_ = SelectionAfterRefresh(table_, selected_);
    platform_.Show(BuildView(table_, selected_, last_flags_));
}

void StatusModel::NoteLockFlags(bool store) {
    const RF_RECORD& first = table_.Record[DEVICE_KEYBOARD];
    if (!(first.State & RF_STATE_REPORTED)) return;
    const bool due = !lock_stored_ || first.Flags != last_flags_;
    last_flags_ = first.Flags;
    if (!store || !due) return;
    platform_.WriteUsbLock((first.Flags & RF_FLAG_LOCK) != 0);
    lock_stored_ = true;
}

}  // namespace applet
