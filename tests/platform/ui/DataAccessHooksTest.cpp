// The data layer's hooks as the window layer serves them: the screen cursor
// and the application's exception handler.
#include "platform/ui/DataAccessHooks.h"
#include "platform/core/ExceptionHook.h"
#include "platform/data/DBScreen.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

#include <gtest/gtest.h>

namespace {

class DataAccessHooks : public ::testing::Test {
protected:
    void SetUp() override { ui::InstallDataAccessHooks(); }
    void TearDown() override {
        Screen->SetCursor(crDefault);
        Application->OnException = nullptr;
        DBScreen = nullptr;
        ApplicationHandleException = nullptr;
    }
};

} // namespace

TEST_F(DataAccessHooks, TheDataCursorIsTheScreenCursor) {
    ASSERT_NE(DBScreen, nullptr);
    DBScreen->SetCursor(dcrSQLWait);
    EXPECT_EQ(Screen->Cursor(), crSQLWait);
    DBScreen->SetCursor(dcrHourGlass);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    EXPECT_EQ(DBScreen->Cursor(), dcrHourGlass);
    DBScreen->SetCursor(dcrDefault);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(DataAccessHooks, AnOtherCursorComesBackUnchanged) {
    Screen->SetCursor(crDrag);
    const TDBScreenCursor saved = DBScreen->Cursor();
    EXPECT_EQ(saved, dcrOther);
    DBScreen->SetCursor(dcrSQLWait);
    DBScreen->SetCursor(saved);
    EXPECT_EQ(Screen->Cursor(), crDrag);
}

TEST_F(DataAccessHooks, HandedExceptionsGoToTheApplication) {
    String shown;
    TObject* sender = nullptr;
    Application->OnException = [&](TObject* Sender, const Exception& E) {
        sender = Sender;
        shown = E.Message();
    };
    TObject source;
    ASSERT_TRUE(ApplicationHandleException);
    ApplicationHandleException(&source, EDatabaseError("database is locked"));
    EXPECT_EQ(shown, "database is locked");
    EXPECT_EQ(sender, &source);
}
