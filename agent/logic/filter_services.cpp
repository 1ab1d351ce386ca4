#include "agent/logic/filter_services.h"

#include "common/registry_names.h"

namespace {

constexpr uint32_t kKernelDriver = 1;
constexpr uint32_t kErrorIgnore = 0;
constexpr uint32_t kDemandStart = 3;
constexpr const char* kDisplayName = "Orvanta Skyrel Human Interface";

}  // namespace

const FilterService kFilterServices[kFilterServiceCount] = {
    {"LVXNFTR",
     KB_REG_SERVICE_LVXNFTR,
     "system32\\drivers\\lvxnftr.sys",
     {{"Type", ServiceValueType::Number, kKernelDriver, nullptr},
      {"ErrorControl", ServiceValueType::Number, kErrorIgnore, nullptr},
      {"Start", ServiceValueType::Number, kDemandStart, nullptr},
      {"DisplayName", ServiceValueType::Text, 0, kDisplayName},
      {"ImagePath", ServiceValueType::Text, 0, "system32\\drivers\\lvxnftr.sys"}},
     "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_00 LVXNFTR -ADD -LOWER",
     "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_00 LVXNFTR -REMOVE -LOWER",
     "Filter LVXNFTR not installed: system32\\drivers\\lvxnftr.sys is missing",
     "Filter LVXNFTR not installed: its service is missing"},
    {"UVXNFTR",
     KB_REG_SERVICE_UVXNFTR,
     "system32\\drivers\\uvxnftr.sys",
     {{"Type", ServiceValueType::Number, kKernelDriver, nullptr},
      {"ErrorControl", ServiceValueType::Number, kErrorIgnore, nullptr},
      {"Start", ServiceValueType::Number, kDemandStart, nullptr},
      {"DisplayName", ServiceValueType::Text, 0, kDisplayName},
      {"ImagePath", ServiceValueType::Text, 0, "system32\\drivers\\uvxnftr.sys"}},
     "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01 UVXNFTR -ADD -LOWER",
     "USB\\Vid_1f3c&Pid_3801&Rev_9999&MI_01 UVXNFTR -REMOVE -LOWER",
     "Filter UVXNFTR not installed: system32\\drivers\\uvxnftr.sys is missing",
     "Filter UVXNFTR not installed: its service is missing"},
};
