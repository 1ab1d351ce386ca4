// The status dialog opened while the filter driver is absent: the refresh timer keeps trying
// to open it, every failed try leaving the timer free for the next, and meanwhile a table sent
// with WM_COPYDATA stands, taken only from a block that begins as it must.
#include <cstdint>
#include <memory>

#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/status_block.h"
#include "tools/fixtures/applet_host.h"
#include "statusapplet/tests/wine/dialog_view.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/winsupport/build_files.h"

namespace {

using applet_test::AppletLibrary;
using applet_test::DeviceButton;
using applet_test::DialogView;
using applet_test::OpenDialog;
using applet_test::Tick;

class AbsentDriver : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library_.loaded());
        dialog_.reset(new OpenDialog(library_));
        ASSERT_NE(dialog(), nullptr);
    }
    void TearDown() override {
        if (dialog_) {
            EXPECT_TRUE(dialog_->Close());
        }
    }

    HWND dialog() const { return dialog_->window(); }
    DialogView View() const { return applet_test::ReadView(dialog(), library_.module()); }

    // What the dialog's WM_COPYDATA answers for `size` bytes at `data`.
    LRESULT CopyData(const void* data, DWORD size) {
        COPYDATASTRUCT copy = {};
        copy.cbData = size;
        copy.lpData = const_cast<void*>(data);
        return SendMessageA(dialog(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    }
    // A device button's click, as the button tells the dialog about it (a disabled button
    // can't be clicked, and the view shows a table only once it is refreshed).
    void Choose(int record_index) {
        HWND button = DeviceButton(dialog(), record_index);
        SendMessageA(dialog(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }

    AppletLibrary library_;
    std::unique_ptr<OpenDialog> dialog_;
};

// A block that replaces the table: the mouse linked on `channel`.
std::vector<uint8_t> MouseBlock(uint8_t channel, size_t size = applet::kStatusBlockSize) {
    std::vector<uint8_t> block(size, 0);
    const size_t mouse = 2 + sizeof(RF_RECORD) * DEVICE_MOUSE;
    if (size > mouse + 1) {
        block[mouse] = RF_STATE_REPORTED | RF_STATE_LINKED;
        block[mouse + 1] = channel;
    }
    return block;
}

// Counts the reads of one page that fault. A fault inside a window procedure reached by
// SendMessage from another thread does not end the program: the call just returns 0
// (docs/wine-notes.md), so the faults are counted where they are first seen.
class PageFaults {
public:
    explicit PageFaults(uintptr_t page) {
        page_ = page;
        faults_ = 0;
        handler_ = AddVectoredExceptionHandler(1, &PageFaults::Seen);
    }
    ~PageFaults() { RemoveVectoredExceptionHandler(handler_); }
    LONG count() const { return faults_; }

private:
    static LONG CALLBACK Seen(EXCEPTION_POINTERS* exception) {
        const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
        if (record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2) {
            const uintptr_t address = record.ExceptionInformation[1];
            if (address >= page_ && address - page_ < page_size()) InterlockedIncrement(&faults_);
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }
    static SIZE_T page_size() {
        SYSTEM_INFO system = {};
        GetSystemInfo(&system);
        return system.dwPageSize;
    }

    static uintptr_t page_;
    static volatile LONG faults_;
    void* handler_;
};
uintptr_t PageFaults::page_ = 0;
volatile LONG PageFaults::faults_ = 0;

TEST_F(AbsentDriver, TheTimerKeepsTryingUntilTheDriverIsThere) {
    for (int i = 0; i < 3; ++i) Tick(dialog());
    DialogView view = View();
    for (bool enabled : view.button_enabled) EXPECT_FALSE(enabled);
    EXPECT_FALSE(view.lock_enabled);
    EXPECT_EQ(view.battery, KB_IDB_BATTERY_NONE);

    {
        sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
        ASSERT_TRUE(session.ready()) << session.error();
        BENCH_PLUG_RESULT plugged = {};
        ASSERT_TRUE(session.bench().Plug(1, &plugged));
        ASSERT_TRUE(session.bench().FeedOne(1, {0x03, DEVICE_MOUSE, 0, 0, 0, 0}));
        Tick(dialog());
        EXPECT_TRUE(View().button_enabled[DEVICE_MOUSE]) << "the tick after the failed ones opened the driver";

        // And the timer runs by itself, twice a second.
        ASSERT_TRUE(session.bench().FeedOne(1, {0x03, DEVICE_KEYBOARD, 0, 0, 0, 0}));
        const DWORD start = GetTickCount();
        while (!View().button_enabled[DEVICE_KEYBOARD] && GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS) {
            Sleep(50);
        }
        EXPECT_TRUE(View().button_enabled[DEVICE_KEYBOARD]) << "no refresh came from the timer";
        // The dialog lets go of the driver before the bench takes it away.
        EXPECT_TRUE(dialog_->Close());
        dialog_.reset();
    }
}

TEST_F(AbsentDriver, ACopiedTableStandsUntilTheNextReadAndIsNotShownAtOnce) {
    const std::vector<uint8_t> block = MouseBlock(8);
    EXPECT_EQ(CopyData(block.data(), static_cast<DWORD>(block.size())), TRUE);
    EXPECT_FALSE(View().button_enabled[DEVICE_MOUSE]) << "the view is not refreshed for it";
    Tick(dialog());
    EXPECT_FALSE(View().button_enabled[DEVICE_MOUSE]) << "no driver: the timer refreshes nothing";
    Choose(DEVICE_MOUSE);
    DialogView view = View();
    EXPECT_TRUE(view.button_enabled[DEVICE_MOUSE]);
    EXPECT_EQ(view.channel, "9");
}

// A 16-bit 0 and the 40-byte table, with anything after them: the block's first 42 bytes.
TEST_F(AbsentDriver, ABlockOfFortyTwoBytesOrMoreIsTaken) {
    const std::vector<uint8_t> longer = MouseBlock(4, applet::kStatusBlockSize + 30);
    ASSERT_EQ(CopyData(longer.data(), static_cast<DWORD>(longer.size())), TRUE) << "a longer block";
    Choose(DEVICE_MOUSE);
    EXPECT_EQ(View().channel, "5");
    const std::vector<uint8_t> good = MouseBlock(8);
    ASSERT_EQ(CopyData(good.data(), static_cast<DWORD>(good.size())), TRUE);
    struct Case {
        std::vector<uint8_t> block;
        const char* what;
    };
    std::vector<uint8_t> header_not_zero = MouseBlock(3);
    header_not_zero[0] = 1;
    const Case refused[] = {
        {MouseBlock(3, applet::kStatusBlockSize - 1), "one byte short"},
        {header_not_zero, "a header that is not 0"},
    };
    for (const Case& c : refused) {
        EXPECT_EQ(CopyData(c.block.data(), static_cast<DWORD>(c.block.size())), FALSE) << c.what;
    }
    EXPECT_EQ(CopyData(nullptr, 0), FALSE) << "nothing sent";
    PageFaults null_page(0);
    EXPECT_EQ(SendMessageA(dialog(), WM_COPYDATA, 0, 0), FALSE) << "no description of the data";
    EXPECT_EQ(null_page.count(), 0) << "the missing description was read";
    Choose(DEVICE_MOUSE);
    EXPECT_EQ(View().channel, "9") << "the refused blocks left the table alone";
}

TEST_F(AbsentDriver, NoByteBeyondTheBlockIsRead) {
    // The blocks end where a page ends, before a page that can't be read.
    SYSTEM_INFO system = {};
    GetSystemInfo(&system);
    const SIZE_T page = system.dwPageSize;
    BYTE* pages = static_cast<BYTE*>(VirtualAlloc(nullptr, 2 * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    ASSERT_NE(pages, nullptr);
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(pages + page, page, PAGE_NOACCESS, &old));
    PageFaults faults(reinterpret_cast<uintptr_t>(pages + page));

    BYTE* header_only = pages + page - 2;
    header_only[0] = header_only[1] = 0;
    EXPECT_EQ(CopyData(header_only, 2), FALSE) << "a header with no table after it";
    const std::vector<uint8_t> block = MouseBlock(5);
    BYTE* whole = pages + page - block.size();
    memcpy(whole, block.data(), block.size());
    EXPECT_EQ(CopyData(whole, static_cast<DWORD>(block.size())), TRUE);
    EXPECT_EQ(faults.count(), 0) << "the dialog read past the data it was sent";
    Choose(DEVICE_MOUSE);
    EXPECT_EQ(View().channel, "6");
    VirtualFree(pages, 0, MEM_RELEASE);
}

}  // namespace
