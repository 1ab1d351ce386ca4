// The status dialog "Skyrel RF Status": the device buttons along their curve over the logo,
// the chosen device's channel, id and battery, and the receiver's lock box. Its decisions are
// the model's (statusapplet/logic/status_model.h); this class is the model's platform: the
// two control devices, the "USB Lock" value and the dialog's controls.
#pragma once

#include <windows.h>

#include "deviceclient/device_handle.h"
#include "statusapplet/logic/status_model.h"
#include "statusapplet/win32/device_button.h"

namespace applet {

class CSkyrelStatus : private StatusPlatform {
public:
    // Creates the dialog, runs it modally to `parent` and destroys it. It has one page, so the
    // start page asks nothing of it.
    static void Run(HINSTANCE instance, HWND parent, int start_page);

private:
    explicit CSkyrelStatus(HINSTANCE instance) : instance_(instance), model_(*this) {}
    ~CSkyrelStatus();
    CSkyrelStatus(const CSkyrelStatus&) = delete;
    CSkyrelStatus& operator=(const CSkyrelStatus&) = delete;

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND window);
    void LoadPictures();
    void OnCommand(int control, int notification);
    void OnLockClicked();
    LRESULT OnCopyData(const COPYDATASTRUCT& data);
    void OnDestroy();
    CDeviceButton* ButtonOfControl(int control);
    // A result for messages whose answer a dialog procedure gives through DWLP_MSGRESULT.
    INT_PTR Result(LRESULT result);

    // StatusPlatform
    bool FilterOpen() const override;
    bool OpenFilter() override;
    bool ReadTable(RF_DATA* table) override;
    devclient::CompanionAnswer SendLockToCompanion(uint8_t lock_byte) override;
    void SendLockToFilter(uint8_t lock_byte) override;
    void WriteUsbLock(bool locked) override;
    void Show(const StatusView& view) override;
    void ShowText(HWND control, const char* text);
    void ShowBattery(HBITMAP battery);
    HBITMAP BatteryBitmap(int resource) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND battery_picture_ = nullptr;
    HWND lock_box_ = nullptr;
    HWND id_text_ = nullptr;
    HWND channel_text_ = nullptr;
    HBITMAP logo_ = nullptr;
    devclient::DeviceHandle driver_;
    CDeviceButton buttons_[DEVICE_KIND_COUNT];  // in the order of kDeviceButtons
    HBITMAP battery_good_ = nullptr;
    HBITMAP battery_low_ = nullptr;
    HBITMAP battery_none_ = nullptr;
    HICON chosen_icon_ = nullptr;
    HICON other_icon_ = nullptr;
    StatusModel model_;
};

}  // namespace applet
