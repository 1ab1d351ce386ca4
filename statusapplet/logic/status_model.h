// The status dialog's state and what it does with it, apart from the platform: the status table
// it holds, the chosen device, the receiver's lock flags last seen, and the busy flag of the
// refresh timer. The dialog forwards its events here; everything the model needs from the
// platform goes through StatusPlatform.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "common/control_interface.h"
#include "deviceclient/logic/lock_sequence.h"
#include "statusapplet/logic/status_view.h"

namespace applet {

constexpr unsigned kRefreshTimerId = 101;
constexpr unsigned kRefreshPeriodMs = 500;

// Record 0's Flags as the model takes them before it has read any: every bit but the lock's,
// a value no receiver reports, so the box starts unticked.
constexpr uint8_t kUnseenLockFlags = 0xEF;

// What the model asks of the platform: the two control devices (the lock byte goes to
// "\\.\LVXNFLTR" on a handle of its own, to "\\.\UVXNFLTR" through the dialog's), the "USB Lock"
// value, and the dialog's controls.
class StatusPlatform : public devclient::LockDevices {
public:
    virtual bool FilterOpen() const = 0;
    // Opens "\\.\UVXNFLTR" for the dialog; true once it is open.
    virtual bool OpenFilter() = 0;
    // IOCTL_GET_RF_DATA through the dialog's handle; true only with the whole table.
    virtual bool ReadTable(RF_DATA* table) = 0;
    virtual void WriteUsbLock(bool locked) = 0;
    virtual void Show(const StatusView& view) = 0;

protected:
    ~StatusPlatform() = default;
};

class StatusModel {
public:
    explicit StatusModel(StatusPlatform& platform) : platform_(platform) {}

    // The dialog starts: the table is cleared, the filter opened and read, the first linked
    // device chosen and the view shown, with the receiver's lock as read; nothing is stored.
    void Start();
    // The refresh timer: reopens the filter while it is absent, reads the table, shows it and
    // stores the lock in "USB Lock" the first time and whenever it changed. Does nothing while a
    // refresh is already running.
    void Tick();
    // A device button was pressed.
    void Press(int record_index);
    // The lock box was clicked and now shows `ticked`. False when the change was refused and
    // the box must go back to what it showed before.
    bool LockClicked(bool ticked);
    // A block from WM_COPYDATA; true when it replaced the table. The view is not refreshed.
    bool TakeStatusBlock(const void* data, size_t size);

    const RF_DATA& table() const { return table_; }
    int selected() const { return selected_; }
    bool busy() const { return busy_; }

private:
    void Refresh();
    // Takes record 0's Flags, if it reported, before the view is refreshed, so that the box
    // shows the lock of the table just read; `store` writes "USB Lock" when it is due.
    void NoteLockFlags(bool store);

    StatusPlatform& platform_;
    RF_DATA table_ = {};
    int selected_ = kNoDevice;
    uint8_t last_flags_ = kUnseenLockFlags;  // record 0's Flags last seen, which the box shows
    bool lock_stored_ = false;               // "USB Lock" was written since the dialog opened
    bool busy_ = false;
};

}  // namespace applet
