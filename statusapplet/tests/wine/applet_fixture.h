// The real skyrel.cpl with the real keyfilter under it: the filter is put into the receiver test
// bench afresh for every test and one receiver is plugged in, so that device-status reports fed
// at the bottom reach the dialog's table through "\\.\UVXNFLTR".
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "tools/fixtures/applet_host.h"
#include "statusapplet/tests/wine/dialog_view.h"
#include "tools/fixtures/bench_test.h"

namespace applet_test {

class AppletWithReceiver : public simtest::BenchTest {
protected:
    AppletWithReceiver() : BenchTest(KB_FILTER_SERVICE_NAME, "uvxnftr.sys") {}
    void SetUp() override;
    // The dialog closes before the filter leaves the bench.
    void TearDown() override;

    // Opens the dialog as the Control Panel does.
    void Open();
    HWND dialog() const { return dialog_->window(); }
    DialogView View() const { return ReadView(dialog(), library_.module()); }
    // A device-status report of the receiver about one device kind.
    void ReportDevice(uint8_t kind, uint8_t channel, uint16_t id, uint8_t flags);
    // The control clicked, as the user's click reaches it.
    void Click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }

    AppletLibrary library_;
    std::unique_ptr<OpenDialog> dialog_;
};

}  // namespace applet_test
