// Device nodes of the tests' own in the prefix: root-enumerated, created without a driver (so
// not present), with the hardware ids a test gives them; removed again when the object goes.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

namespace filter_test {

// The filter list of one device node, as the property (NT platform) or as the value of its
// hardware key (platform 1); `exists` is false when there is none, or one of size 0.
struct StoredList {
    bool exists;
    std::string bytes;
};

class DeviceNode {
public:
    // `ids`: the hardware ids, each with its NUL, without the closing one.
    explicit DeviceNode(const std::string& ids);
    ~DeviceNode();
    DeviceNode(const DeviceNode&) = delete;
    DeviceNode& operator=(const DeviceNode&) = delete;

    bool created() const { return created_; }
    const std::string& instance_id() const { return instance_id_; }

    // Sets (or, with an empty text, clears) the LowerFilters property.
    bool SetLowerFilters(const std::string& bytes);
    StoredList LowerFilters() const;
    // The hardware key, made here as the device's installer would; its LowerFilters value.
    bool CreateHardwareKey();
    bool SetHardwareKeyLowerFilters(const std::string& bytes, DWORD type = REG_MULTI_SZ);
    StoredList HardwareKeyLowerFilters() const;

private:
    bool Open(HDEVINFO* set, SP_DEVINFO_DATA* device) const;

    bool created_ = false;
    std::string instance_id_;
};

// Hardware ids of one of the receiver's interfaces ("MI_00", "MI_01") with these revision digits.
std::string ReceiverIds(const char* interface_name, const char* revision);

}  // namespace filter_test
