#pragma once
// The case forms while another workstation uses the same database file: it writes between
// its commits, or it takes the database just as a list or sheet is read again after a save,
// so that the save has committed and only its reading meets the lock.
#include "platform/data/TDataSet.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/app/CaseFormsFixture.h"

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
    // From now on, as soon as one of Lists is opened or refreshed, the other workstation takes
    // the database exclusively, and the program's wait is short: that read, and every one
    // after it, meets the lock. Call it after the forms are created, before the save; Lists
    // outlive the test, or the test calls Release before it deletes them.
    void LockWhenRead(std::initializer_list<TDataSet*> Lists) {
        app::MainWindow().Sqlite3DB1->SetTimeOut(50);
        for (TDataSet* list : Lists) {
            list->BeforeOpen = list->BeforeRefresh = [this](TDataSet*) {
                if (!Other->InTransaction()) Other->StartExclusiveTransaction();
            };
            FHooked.push_back(list);
        }
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
