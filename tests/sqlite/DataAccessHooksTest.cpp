// The datasets' use of the window layer's hooks: the SQL-wait cursor while a
// statement reads, and the application's handler for exceptions handed over.
#include "tests/sqlite/DatasetFixture.h"

#include "platform/core/ExceptionHook.h"
#include "platform/data/DBScreen.h"

#include <vector>

using sqlitetest::DatasetFixture;

namespace {

// A screen that remembers every cursor it was asked for.
class RecordingScreen : public TCustomDBScreen {
public:
    TDBScreenCursor Cursor() const override { return FCursor; }
    void SetCursor(TDBScreenCursor Value) override {
        FCursor = Value;
        Requests.push_back(Value);
    }
    std::vector<TDBScreenCursor> Requests;

private:
    TDBScreenCursor FCursor = dcrDefault;
};

class DataAccessHooks : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        DBScreen = &Screen;
    }
    void TearDown() override {
        DBScreen = nullptr;
        ApplicationHandleException = nullptr;
        DatasetFixture::TearDown();
    }
    RecordingScreen Screen;
};

// Reaches the protected hand-over.
class HandingQuery : public TSqlite3Query {
public:
    using TSqlite3Query::TSqlite3Query;
    void Hand() { InternalHandleException(); }
};

} // namespace

TEST_F(DataAccessHooks, TheWaitCursorShowsWhileTheRowsAreReadAndTheOldOneReturns) {
    Screen.SetCursor(dcrHourGlass);
    Screen.Requests.clear();
    auto query = OpenQuery("select * from ikt_mod");
    EXPECT_EQ(Screen.Requests, (std::vector<TDBScreenCursor>{dcrSQLWait, dcrHourGlass}));
    EXPECT_EQ(Screen.Cursor(), dcrHourGlass);
}

TEST_F(DataAccessHooks, AWaitCursorLeftFromElsewhereBecomesTheDefault) {
    Screen.SetCursor(dcrSQLWait);
    OpenQuery("select * from ikt_mod");
    EXPECT_EQ(Screen.Cursor(), dcrDefault);
}

TEST_F(DataAccessHooks, AFailingStatementStillRestoresTheCursor) {
    auto query = MakeQuery("select * from nincs_ilyen");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { query->Open(); }),
              "no such table: nincs_ilyen\n\nselect * from nincs_ilyen");
    EXPECT_EQ(Screen.Requests, (std::vector<TDBScreenCursor>{dcrSQLWait, dcrDefault}));
    EXPECT_EQ(Screen.Cursor(), dcrDefault);
}

TEST_F(DataAccessHooks, WithoutSQLCursorTheCursorIsLeftAlone) {
    auto query = MakeQuery("select * from ikt_mod");
    query->SetSQLCursor(false);
    query->Open();
    EXPECT_TRUE(Screen.Requests.empty());
}

TEST_F(DataAccessHooks, HandedExceptionsReachTheApplicationsHandler) {
    std::vector<String> shown;
    TObject* sender = nullptr;
    ApplicationHandleException = [&](TObject* Sender, const Exception& E) {
        sender = Sender;
        shown.push_back(E.Message());
    };
    HandingQuery query(nullptr);
    query.Hand(); // nothing in flight: nothing handed
    EXPECT_TRUE(shown.empty());
    try {
        throw EDatabaseError("database is locked");
    } catch (...) {
        query.Hand();
    }
    EXPECT_EQ(shown, (std::vector<String>{"database is locked"}));
    EXPECT_EQ(sender, &query);
}
