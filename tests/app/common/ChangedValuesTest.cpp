// Offices share one database file: while a dialog stands open on a row, another workstation
// may store a value of that row. A save writes only what the user changed in this showing,
// so the other workstation's value survives the save, in every dialog that changes a row.
#include "app/partners/Tpartnermod.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "tests/app/CaseFormsFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class ChangedValues : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        CreateForms();
        partnermod = new Tpartnermod(nullptr);
    }
    void TearDown() override {
        delete partnermod;
        CaseForms::TearDown();
    }

public:
    using OfficeDbFixture::Exec;
    using OfficeDbFixture::LastKey;
};

struct SharedRow {
    const char* Dialog;
    const char* Table;
    Integer (*Make)(ChangedValues&);       // the row, answering its key
    void (*Open)(ChangedValues&, Integer); // shows the dialog on the row
    const char* Other;                     // what the other workstation stores meanwhile
    const char* OtherValue;                // (an SQL value)
    void (*Change)();                      // the user's edit in the dialog, then its save
    const char* Changed;                   // the column the edit goes to, and its value
    const char* ChangedValue;
};

TEST_F(ChangedValues, SaveKeepsWhatAnotherWorkstationStoredMeanwhile) {
    const SharedRow rows[] = {
        // The partner's change dialog wrote the whole row.
        {"partner", "partner",
         [](ChangedValues& t) {
             t.Exec("INSERT INTO partner (nev, email) VALUES ('Balogh Bt. 4', 'regi@balogh.hu')");
             return t.LastKey("partner");
         },
         [](ChangedValues&, Integer Key) {
             partnermod->PartnerId = Key;
             partnermod->Show();
         },
         "tel2", "'06-1-555-5555'",
         [] {
             partnermod->Edit10->SetText("uj@balogh.hu");
             partnermod->BitBtn1->Click();
         },
         "email", "uj@balogh.hu"},
    };
    for (const SharedRow& row : rows) {
        SCOPED_TRACE(row.Dialog);
        const Integer key = row.Make(*this);
        row.Open(*this, key);
        // The other workstation: a connection of its own on the same file.
        Exec(String("UPDATE ") + row.Table + " SET " + row.Other + "=" + row.OtherValue +
             " WHERE sorszam=" + Key(key));
        const std::vector<Row> other = Rows(String("SELECT ") + row.Other + " FROM " + row.Table);
        row.Change();
        EXPECT_EQ(Rows(String("SELECT ") + row.Changed + " FROM " + row.Table + " WHERE sorszam=" + Key(key)),
                  (std::vector<Row>{{row.ChangedValue}}));
        EXPECT_EQ(Rows(String("SELECT ") + row.Other + " FROM " + row.Table), other);
    }
}

} // namespace
} // namespace apptest
