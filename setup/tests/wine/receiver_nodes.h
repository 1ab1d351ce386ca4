// The receiver's two USB interfaces as device nodes of the prefix, named as Windows' USB hub
// names them and left without a driver (so never present): what the agent's "/install" edits.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <string>

namespace setup_test {

class ReceiverNode {
public:
    // `interface_name`: "MI_00" (the keyboard) or "MI_01" (the hot keys).
    explicit ReceiverNode(const char* interface_name);
    ~ReceiverNode();
    ReceiverNode(const ReceiverNode&) = delete;
    ReceiverNode& operator=(const ReceiverNode&) = delete;

    bool created() const { return !instance_id_.empty(); }
    // The filter list, with its NULs, as 2000 and XP keep it (the node's property) and as 98 and
    // ME do (a value of its hardware key); empty when there is none.
    std::string LowerFilters() const;
    std::string HardwareKeyLowerFilters() const;
    bool SetLowerFilters(const std::string& list);

private:
    bool Open(HDEVINFO* set, SP_DEVINFO_DATA* device) const;

    std::string instance_id_;
};

}  // namespace setup_test
