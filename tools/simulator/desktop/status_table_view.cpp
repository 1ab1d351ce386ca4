#include "tools/simulator/desktop/status_table_view.h"

#include <cstring>

#include "deviceclient/control_devices.h"
#include "tools/simulator/script/report_words.h"

namespace sim {

void StatusTableView::Observe(Lines* said) {
    RF_DATA table = {};
    const devclient::DeviceHandle device = devclient::OpenFilterDevice();
    if (!device.valid() || !devclient::RequestRfData(device, &table)) return;
    if (have_table_ && std::memcmp(&table, &last_table_, sizeof table) == 0) return;
    if (have_table_) {
        said->push_back("the filter's status table now holds:");
        for (const std::string& line : DescribeStatusTable(table)) said->push_back("  " + line);
    }
    last_table_ = table;
    have_table_ = true;
}

}  // namespace sim
