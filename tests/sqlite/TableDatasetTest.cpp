// The table dataset: its SELECT, and the UPDATE, INSERT and DELETE statements
// it writes keyed on the row id.
#include "tests/sqlite/DatasetFixture.h"

#include "platform/core/DateTime.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TIntegerField.h"
#include "platform/data/TStringField.h"
#include "sqlite/EngineError.h"
#include "sqlite/TSqlite3Table.h"

#include <tuple>

using sqlitetest::DatasetFixture;

namespace {

class TableDataset : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        FTable = std::make_unique<TSqlite3Table>(nullptr);
        FTable->SetConnection(&DB());
        FTable->SetTableName("ikt_mod");
    }
    void TearDown() override {
        // A one-directional table holds a statement the disconnect must not find open.
        FTable.reset();
        DatasetFixture::TearDown();
    }
    void AddMods() {
        for (const char* name : {"posta", "Ábel", "fax", "email"})
            Exec(String("insert into ikt_mod (nev) values ('") + name + "')");
    }
    std::unique_ptr<TSqlite3Table> FTable;
};

TEST_F(TableDataset, SelectsEveryColumnWithItsRowId) {
    AddMods();
    FTable->SetOrderBy("nev COLLATE systemnocase");
    FTable->Open();
    EXPECT_EQ(FTable->WorkingSQL(),
              "select *, rowid as rowid from ikt_mod order by nev COLLATE systemnocase");
    EXPECT_EQ(FTable->FieldCount(), 3); // the row id stays hidden
    String names;
    for (; !FTable->Eof(); FTable->Next())
        names += FTable->FieldByName("nev")->AsString() + ",";
    EXPECT_EQ(names, "Ábel,email,fax,posta,");
}

TEST_F(TableDataset, OrderByComesBeforeLimitAndOffset) {
    AddMods();
    FTable->SetOrderBy("nev");
    FTable->SetStartResult(1);
    FTable->SetMaxResults(2);
    FTable->Open();
    EXPECT_EQ(FTable->WorkingSQL(), "select *, rowid as rowid from ikt_mod order by nev limit 2 offset 1");
    EXPECT_EQ(FTable->RecordCount(), 2);
    EXPECT_EQ(FTable->FieldByName("nev")->AsString(), "fax");
}

TEST_F(TableDataset, FilterBecomesAWhereLine) {
    AddMods();
    FTable->SetFilter("nev like 'p%'");
    FTable->SetFiltered(true);
    FTable->Open();
    EXPECT_EQ(FTable->SQL()->Text(), "select *, rowid as rowid from ikt_mod\r\n where nev like 'p%'\r\n");
    EXPECT_EQ(FTable->RecordCount(), 1);
}

TEST_F(TableDataset, DeleteIsKeyedOnTheQuotedRowId) {
    for (int i = 1; i <= 7; ++i)
        Exec("insert into ikt_mod (nev) values ('m" + std::to_string(i) + "')");
    FTable->Open();
    FTable->SetRecNo(7);
    FTable->Delete();
    EXPECT_EQ(FTable->SQL()->Text(), "delete from ikt_mod where rowid='7'\r\n");
    EXPECT_EQ(FTable->LastRowId(), 7);
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "6");
    EXPECT_EQ(FTable->RecNo(), 6);
}

TEST_F(TableDataset, UpdateLeavesCalculatedFieldsOut) {
    AddMods();
    auto* sorszam = new TIntegerField(FTable.get());
    sorszam->SetFieldName("sorszam");
    sorszam->SetDataSet(FTable.get());
    auto* nev = new TStringField(FTable.get());
    nev->SetFieldName("nev");
    nev->SetSize(64);
    nev->SetDataSet(FTable.get());
    auto* aktiv = new TIntegerField(FTable.get());
    aktiv->SetFieldName("aktiv");
    aktiv->SetDataSet(FTable.get());
    auto* label = new TStringField(FTable.get());
    label->SetFieldName("cimke");
    label->SetFieldKind(fkCalculated);
    label->SetSize(20);
    label->SetDataSet(FTable.get());
    FTable->OnCalcFields = [](TDataSet* ds) {
        ds->FieldByName("cimke")->SetAsString("#" + ds->FieldByName("nev")->AsString());
    };
    FTable->Open();
    FTable->SetRecNo(3);
    EXPECT_EQ(label->AsString(), "#fax");
    FTable->Edit();
    nev->SetAsString("telefax");
    FTable->Post();
    EXPECT_EQ(FTable->SQL()->Text(), "update ikt_mod set \r\nnev=:nev \r\n where rowid='3'\r\n");
    EXPECT_EQ(Scalar("select nev from ikt_mod where sorszam=3"), "telefax");
    EXPECT_EQ(label->AsString(), "#telefax");
}

// A grid edit of one column must not write back a text the load cut to its field's size,
// nor a column another user changed since the load.
TEST_F(TableDataset, AnEditWritesOnlyTheColumnsItChanged) {
    const String longName = "Őrzött " + String(80, 'x'); // nev is varchar(64)
    Exec("insert into ikt_mod (nev, aktiv) values ('" + longName + "', 1)");
    FTable->Open();
    EXPECT_EQ(Length(FTable->FieldByName("nev")->AsString()), 64);
    FTable->Edit();
    FTable->FieldByName("aktiv")->SetAsInteger(0);
    FTable->Post();
    EXPECT_EQ(Scalar("select aktiv || ':' || nev from ikt_mod"), "0:" + longName);
    Exec("update ikt_mod set aktiv=5"); // another user, after the load
    FTable->Edit();
    FTable->Post(); // nothing changed: nothing written
    EXPECT_EQ(Scalar("select aktiv || ':' || nev from ikt_mod"), "5:" + longName);
}

TEST_F(TableDataset, BooleanEditStoresOneOrZero) {
    Exec("insert into letetiszamla (nev, statusz) values ('OTP', 1)");
    FTable->SetTableName("letetiszamla");
    FTable->Open();
    EXPECT_EQ(FTable->FieldByName("statusz")->DataType(), ftBoolean);
    FTable->Edit();
    FTable->FieldByName("statusz")->SetAsBoolean(false);
    FTable->Post();
    EXPECT_EQ(Scalar("select typeof(statusz) || ':' || statusz from letetiszamla"), "integer:0");
    FTable->Edit();
    FTable->FieldByName("statusz")->SetAsBoolean(true);
    FTable->Post();
    EXPECT_EQ(Scalar("select count(*) from letetiszamla where statusz=1"), "1");
}

TEST_F(TableDataset, FloatReachesTheEngineAsANumberUnderACommaLocale) {
    Exec("create table arfolyam (nev varchar(10), ertek float)");
    FTable->SetTableName("arfolyam");
    FTable->Open();
    ASSERT_EQ(FormatSettings.DecimalSeparator, ",");
    FTable->Append();
    FTable->FieldByName("nev")->SetAsString("EUR");
    FTable->FieldByName("ertek")->SetAsFloat(392.75);
    FTable->Post();
    EXPECT_EQ(Scalar("select typeof(ertek) || ':' || quote(ertek) from arfolyam"), "real:392.75");
    EXPECT_EQ(FormatSettings.DecimalSeparator, ",");
}

// A posted date-time and time keep their milliseconds after a full stop: the engine's
// date functions read them, and the table reads them back as the times they were.
TEST_F(TableDataset, PostedTimesReadBackAndTheEngineReadsThem) {
    Exec("create table esemeny (nev varchar(10), mikor datetime, ido time)");
    FTable->SetTableName("esemeny");
    FTable->Open();
    const TDateTime when = EncodeDate(2009, 3, 5) + EncodeTime(14, 7, 9, 42);
    FTable->Append();
    FTable->FieldByName("nev")->SetAsString("tárgyalás");
    FTable->FieldByName("mikor")->SetAsDateTime(when);
    FTable->FieldByName("ido")->SetAsDateTime(when);
    FTable->Post();
    EXPECT_EQ(Scalar("select mikor || '|' || ido from esemeny"), "2009-03-05 14:07:09.042|14:07:09.042");
    EXPECT_EQ(Scalar("select strftime('%Y-%m-%d %H:%M:%f', mikor) || '|' || time(ido) from esemeny"),
              "2009-03-05 14:07:09.042|14:07:09");
    FTable->Close();
    FTable->Open();
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", FTable->FieldByName("mikor")->AsDateTime()),
              "2009-03-05 14:07:09.042");
    EXPECT_EQ(FormatDateTime("hh:nn:ss", FTable->FieldByName("ido")->AsDateTime()), "14:07:09");
}

TEST_F(TableDataset, InsertIntoAnEmptyTableStaysOnTheNewRow) {
    FTable->Open();
    EXPECT_TRUE(FTable->IsEmpty());
    FTable->Append();
    FTable->FieldByName("nev")->SetAsString("posta");
    FTable->Post();
    EXPECT_EQ(FTable->SQL()->Text(),
              "insert into ikt_mod (sorszam,nev,aktiv) values (:sorszam,:nev,:aktiv)\r\n");
    EXPECT_EQ(FTable->RecordCount(), 1);
    EXPECT_EQ(FTable->RecNo(), 1);
    EXPECT_EQ(FTable->FieldByName("nev")->AsString(), "posta");
    EXPECT_EQ(FTable->FieldByName("sorszam")->AsInteger(), 1);
    // The stored row knows its row id: editing it updates that very row.
    FTable->Edit();
    FTable->FieldByName("nev")->SetAsString("levél");
    FTable->Post();
    EXPECT_EQ(Scalar("select nev from ikt_mod"), "levél");
}

TEST_F(TableDataset, PrimaryAutoIncLeavesTheKeyToTheEngine) {
    AddMods();
    FTable->SetPrimaryAutoInc(true);
    FTable->Open();
    FTable->Append();
    FTable->FieldByName("nev")->SetAsString("futár");
    FTable->Post();
    EXPECT_EQ(FTable->SQL()->Text(), "insert into ikt_mod (sorszam,nev,aktiv) values (null,:nev,:aktiv)\r\n");
    EXPECT_EQ(FTable->FieldByName("sorszam")->AsInteger(), 5);
    EXPECT_EQ(Scalar("select nev from ikt_mod where sorszam=5"), "futár");
}

TEST_F(TableDataset, AnInsertTheDatabaseSkipsIsNotTakenForAnOlderRow) {
    AddMods();
    Exec("create trigger skip_new before insert on ikt_mod begin select raise(ignore); end");
    FTable->SetAutoCommit(true);
    FTable->Open();
    FTable->Append();
    FTable->FieldByName("nev")->SetAsString("futár");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FTable->Post(); }), sqlite::NoRowAddedMessage);
    // Still the unsaved new record: nothing took the key of row 4 ("email").
    EXPECT_EQ(FTable->State(), dsInsert);
    EXPECT_TRUE(FTable->FieldByName("sorszam")->IsNull());
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(Scalar("select group_concat(nev, ',') from ikt_mod"), "posta,Ábel,fax,email");
}

// An edit the database did not store stops the post with the message the dialogs give: the
// record stays in its edit with what the user typed, and the table is as it was. Whether the row
// is gone tells the two apart. The deposit grids write at once (AutoCommit), the others not.
TEST_F(TableDataset, AnEditTheDatabaseDidNotStoreIsNotShownAsStored) {
    // What happens meanwhile, the message, the rows left.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // Another workstation deleted the row being edited.
        {"delete from ikt_mod where nev='Ábel'", sqlite::RowGoneMessage, "posta,fax,email"},
        // A rule of the database skips the change.
        {"create trigger skip before update on ikt_mod begin select raise(ignore); end",
         sqlite::RowNotChangedMessage, "posta,Ábel,fax,email"},
    };
    for (const auto& [meanwhile, message, left] : cases)
        for (const bool autoCommit : {false, true}) {
            SCOPED_TRACE(std::string(meanwhile) + (autoCommit ? ", AutoCommit" : ""));
            Exec("delete from ikt_mod; drop trigger if exists skip");
            AddMods();
            FTable->SetAutoCommit(autoCommit);
            FTable->Open();
            FTable->SetRecNo(2);
            FTable->Edit();
            FTable->FieldByName("nev")->SetAsString("Ábel Béla");
            Exec(meanwhile);
            EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FTable->Post(); }), message);
            EXPECT_EQ(FTable->State(), dsEdit);
            EXPECT_EQ(FTable->FieldByName("nev")->AsString(), "Ábel Béla");
            EXPECT_FALSE(DB().InTransaction());
            EXPECT_EQ(Scalar("select group_concat(nev, ',') from ikt_mod"), left);
            FTable->Cancel();
            FTable->Close();
        }
}

// A delete that a rule of the database skipped says so, with the message the dialogs give, and
// keeps its row shown. (A row already gone goes without a word, as the account grid shows.)
TEST_F(TableDataset, ADeleteTheDatabaseSkippedKeepsItsRow) {
    AddMods();
    Exec("create trigger skip before delete on ikt_mod begin select raise(ignore); end");
    for (const bool autoCommit : {false, true}) {
        FTable->SetAutoCommit(autoCommit);
        FTable->Open();
        EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FTable->Delete(); }), sqlite::RowNotChangedMessage);
        EXPECT_EQ(FTable->RecordCount(), 4);
        EXPECT_FALSE(DB().InTransaction());
        FTable->Close();
    }
}

TEST_F(TableDataset, OrderByAndTableNameSetters) {
    FTable->SetOrderBy("nev");
    FTable->Open();
    FTable->SetOrderBy("nev");
    EXPECT_TRUE(FTable->Active());
    FTable->SetOrderBy("sorszam");
    EXPECT_FALSE(FTable->Active());
    FTable->Open();
    FTable->SetTableName("ikt_mod");
    EXPECT_FALSE(FTable->Active());
}

TEST_F(TableDataset, OneDirectionalEditUpdatesTheRowRead) {
    AddMods();
    FTable->SetUniDirectional(true);
    FTable->Open();
    FTable->Next();
    FTable->Edit();
    FTable->FieldByName("nev")->SetAsString("Ábel Béla");
    FTable->Post();
    // No stored row to compare with: every column is written.
    EXPECT_EQ(FTable->SQL()->Text(),
              "update ikt_mod set \r\nsorszam=:sorszam,nev=:nev,aktiv=:aktiv \r\n where rowid='2'\r\n");
    EXPECT_EQ(Scalar("select group_concat(nev, ',') from ikt_mod"), "posta,Ábel Béla,fax,email");
}

TEST_F(TableDataset, RefusedOperations) {
    TSqlite3Table unnamed(nullptr);
    unnamed.SetConnection(&DB());
    EXPECT_EQ(ErrorOf<SqliteError>([&] { unnamed.Open(); }), "no table specified");

    AddMods();
    FTable->SetReadOnly(true);
    FTable->Open();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FTable->Append(); }), "Cannot modify a read-only dataset");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { FTable->Delete(); }), "Cannot delete from a read-only dataset");
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "4");
}

TEST_F(TableDataset, FailedAutoCommitDeleteRollsBack) {
    AddMods();
    Exec("create trigger no_delete before delete on ikt_mod begin select raise(abort, 'tilos'); end");
    FTable->SetAutoCommit(true);
    FTable->Open();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FTable->Delete(); }),
              "tilos\n\ndelete from ikt_mod where rowid='1'\r\n");
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(FTable->RecordCount(), 4);
}

} // namespace
