// The Control Panel's messages, one by one, as a host of our own sends them to the real
// skyrel.cpl: what each answers, the entry it describes, and an applet index outside the list.
#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "tools/fixtures/applet_host.h"

namespace {

using applet_test::AppletLibrary;
using applet_test::OpenDialog;

class CplMessages : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library_.loaded()) << "skyrel.cpl or its CPlApplet export missing"; }
    void TearDown() override { library_.Send(CPL_EXIT); }

    AppletLibrary library_;
};

TEST_F(CplMessages, InitMakesOneEntryThatInquireDescribes) {
    EXPECT_EQ(library_.Send(CPL_INIT), 1);
    EXPECT_EQ(library_.Send(CPL_INIT), 1) << "a second CPL_INIT keeps the one entry";
    EXPECT_EQ(library_.Send(CPL_GETCOUNT), 1);
    CPLINFO info = {};
    EXPECT_EQ(library_.Send(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 0);
    EXPECT_EQ(info.idIcon, KB_IDI_APPLET);
    EXPECT_EQ(info.idName, KB_IDS_APPLET_NAME);
    EXPECT_EQ(info.idInfo, KB_IDS_APPLET_INFO);
    EXPECT_NE(info.lData, 0) << "the entry object";
    char name[64] = {}, description[64] = {};
    EXPECT_GT(LoadStringA(library_.module(), info.idName, name, sizeof name), 0);
    EXPECT_GT(LoadStringA(library_.module(), info.idInfo, description, sizeof description), 0);
    EXPECT_STREQ(name, "Skyrel");
    EXPECT_STREQ(description, "Skyrel");
    HICON icon = LoadIconA(library_.module(), MAKEINTRESOURCEA(info.idIcon));
    EXPECT_NE(icon, nullptr);
}

TEST_F(CplMessages, NewInquireIsNotAnsweredAndTheOthersAnswerAsTheControlPanelExpects) {
    ASSERT_EQ(library_.Send(CPL_INIT), 1);
    NEWCPLINFOA untouched;
    memset(&untouched, 0xEE, sizeof untouched);
    NEWCPLINFOA info = untouched;
    EXPECT_EQ(library_.Send(CPL_NEWINQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 1);
    EXPECT_EQ(memcmp(&info, &untouched, sizeof info), 0) << "CPL_NEWINQUIRE leaves the record alone";
    EXPECT_EQ(library_.Send(CPL_SELECT, 0), 0);
    EXPECT_EQ(library_.Send(CPL_STARTWPARMSA, 0, reinterpret_cast<LPARAM>("2")), 0);
    EXPECT_EQ(library_.Send(CPL_STARTWPARMSA, 0, 0), 0) << "no parameter string";
    EXPECT_EQ(library_.Send(CPL_STARTWPARMSW, 0, reinterpret_cast<LPARAM>(L"2")), 0);
    EXPECT_EQ(library_.Send(CPL_STOP, 0), 0);
    EXPECT_EQ(library_.Send(CPL_STARTWPARMSW + 1, 0), 1) << "a message the applet does not know";
    EXPECT_EQ(library_.Send(CPL_EXIT), 1);
    EXPECT_EQ(library_.Send(CPL_GETCOUNT), 0) << "the entry is gone after CPL_EXIT";
}

TEST_F(CplMessages, AnIndexOutsideTheListIsRefused) {
    ASSERT_EQ(library_.Send(CPL_INIT), 1);
    CPLINFO info = {};
    for (LPARAM index : {LPARAM(1), LPARAM(-1), LPARAM(100)}) {
        EXPECT_EQ(library_.Send(CPL_INQUIRE, index, reinterpret_cast<LPARAM>(&info)), 1) << index;
        EXPECT_EQ(library_.Send(CPL_SELECT, index), 1) << index;
        EXPECT_EQ(library_.Send(CPL_DBLCLK, index), 1) << index << ": no dialog for it";
        EXPECT_EQ(library_.Send(CPL_STARTWPARMSA, index, reinterpret_cast<LPARAM>("1")), 1) << index;
        EXPECT_EQ(library_.Send(CPL_STOP, index), 1) << index;
    }
    EXPECT_EQ(info.idIcon, 0) << "nothing was filled in";
    library_.Send(CPL_EXIT);
    EXPECT_EQ(library_.Send(CPL_INQUIRE, 0, reinterpret_cast<LPARAM>(&info)), 1) << "no entry before CPL_INIT";
}

TEST_F(CplMessages, DoubleClickRunsTheDialogModallyUntilItIsClosed) {
    OpenDialog dialog(library_);
    ASSERT_NE(dialog.window(), nullptr) << "CPL_DBLCLK opened no \"Skyrel RF Status\" dialog";
    char close[32] = {};
    GetWindowTextA(dialog.Control(IDOK), close, sizeof close);
    EXPECT_STREQ(close, "&Close");
    EXPECT_TRUE(dialog.Close()) << "CPL_DBLCLK returns 0 once the dialog is closed";
}

}  // namespace
