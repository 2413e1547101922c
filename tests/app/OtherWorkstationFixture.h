#pragma once
// The case forms while another workstation uses the same database file: it writes between its
// commits, or it takes the database as a list or sheet is read again after a committed write.
#include "platform/data/TDataSet.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/app/CaseFormsFixture.h"
#include "tests/support/ErrorOf.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace apptest {

// A wait that only a hang would exhaust: a test that waits for another program's commit
// decides on what was stored, not on how soon a loaded machine let the commit run.
inline constexpr Integer NoLimit = 10 * 60 * 1000;

class OtherWorkstation : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        Exec("CREATE TABLE masik (a)");
        Other = MakeConnection(Folder());
        Other->SetConnected(true);
        Other->SetTimeOut(NoLimit); // its commit waits for the program's reads to end
    }
    void TearDown() override {
        Release();
        Other.reset();
        CaseForms::TearDown();
    }
    // The other workstation writes a row of its own and holds the write lock until it commits.
    void OtherProgramWrites() {
        Other->StartImmediateTransaction();
        Other->SQLite3_ExecSQL("INSERT INTO masik VALUES (1)", nullptr);
    }
    // From now on the other workstation takes the database as soon as one of Lists is opened or
    // refreshed, and the program waits only briefly, so that read and every later one meet the
    // lock. Lists outlive the test, or the test calls Release before it deletes them.
    void LockWhenRead(std::initializer_list<TDataSet*> Lists) {
        app::MainWindow().Sqlite3DB1->SetTimeOut(50);
        for (TDataSet* list : Lists) {
            list->BeforeOpen = list->BeforeRefresh = [this](TDataSet*) {
                if (!Other->InTransaction()) Other->StartExclusiveTransaction();
            };
            FHooked.push_back(list);
        }
    }
    // Press, with the database taken as soon as one of Lists is read, raises Done followed by the
    // lock's message: the write was done, only its reading failed. Then the database is let go.
    void PressLocked(std::initializer_list<TDataSet*> Lists, const String& Done,
                     const std::function<void()>& Press) {
        LockWhenRead(Lists);
        const String error = ErrorOf<EDatabaseError>(Press);
        EXPECT_TRUE(error.starts_with(Done + "Az adatbázist egy másik program használja")) << error;
        Release();
    }
    // What the program says of Sql when the other workstation holds the database.
    static String Locked(const String& Sql) {
        return "Az adatbázist egy másik program használja, próbálja újra később.\ndatabase is locked\n\n" +
               Sql;
    }
    // The hooks are gone and the other workstation lets the database go.
    void Release() {
        for (TDataSet* list : FHooked)
            list->BeforeOpen = list->BeforeRefresh = nullptr;
        FHooked.clear();
        if (Other && Other->InTransaction()) Other->RollBack();
    }

    std::unique_ptr<TSqlite3DB> Other;

private:
    std::vector<TDataSet*> FHooked;
};

} // namespace apptest
