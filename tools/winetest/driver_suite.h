// A test fixture whose suite runs one kernel driver as a service for all of its tests:
// started before the first test, stopped and deleted after the last. Every test fails at once
// if the driver did not start.
//
//   struct MyDriver { static constexpr const char* kService = "NAME"; static constexpr const char* kFile = "x.sys"; };
//   class MyTest : public winetest::DriverSuite<MyDriver> {};
#pragma once

#include <gtest/gtest.h>

#include "tools/winsupport/build_files.h"
#include "tools/winsupport/driver_service.h"

namespace winetest {

template <typename Driver>
class DriverSuite : public testing::Test {
protected:
    static void SetUpTestSuite() { service_ = new winsupport::DriverService(Driver::kService, winsupport::BuildFile(Driver::kFile)); }
    static void TearDownTestSuite() {
        delete service_;
        service_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(service_->running()) << service_->error(); }

private:
    static winsupport::DriverService* service_;
};

template <typename Driver>
winsupport::DriverService* DriverSuite<Driver>::service_ = nullptr;

}  // namespace winetest
