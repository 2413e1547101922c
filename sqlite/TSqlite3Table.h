#pragma once
// TSqlite3Table: the dataset over one whole table, addressed by the engine's row
// id. It builds its own SELECT and writes posts and deletes back as UPDATE,
// INSERT and DELETE statements keyed on the row id.
#include "sqlite/TSqlite3BaseQuery.h"

class TStrings;
class TSqlite3DB;

class TSqlite3Table : public TSqlite3BaseQuery {
public:
    explicit TSqlite3Table(TComponent* AOwner);
    String ClassName() const override { return "TSqlite3Table"; }

    const String& TableName() const { return FTableName; }
    // Closes the table, then stores the name.
    void SetTableName(const String& Value);
    // The first field, when an integer, is left to the engine on insert and
    // receives the new row id afterwards.
    bool PrimaryAutoInc() const { return FPrimaryAutoInc; }
    void SetPrimaryAutoInc(bool Value) { FPrimaryAutoInc = Value; }
    const String& OrderBy() const { return FOrderBy; }
    // Closes the table when the text differs.
    void SetOrderBy(const String& Value);
    // The statement of the last open, post or delete.
    TStrings* SQL() const;

    void SQLiteMasterChanged(bool Empty) override;

protected:
    // Raises SqliteError "no table specified" without a TableName.
    void PrepareWorkingSQL() override;
    String OrderByClause() const override { return FOrderBy; }
    // Raise SqliteError "Cannot post into a read-only dataset" / "Cannot delete
    // from a read-only dataset" or EDatabaseError "<field> is required.". A post whose
    // statement the database let add or change no row (another workstation deleted the
    // edited row, a trigger skipped it) raises EDatabaseError sqlite::NoRowAddedMessage,
    // RowGoneMessage or RowNotChangedMessage and leaves the record in its edit.
    void InternalPost() override;
    // A delete that left its row in the table (a trigger skipped it) raises EDatabaseError
    // sqlite::RowNotChangedMessage and keeps the record; a row already gone is no error.
    void InternalDelete() override;

private:
    String UpdateStatementText();
    String InsertStatementText();
    void SetSQLLines(const std::vector<String>& Lines);
    // Puts the key the engine gave a new row into the first field.
    void TakeInsertedKey(TSqlite3DB& db);
    // Whether the row of LastRowId is still in the table; raises the engine's error when it
    // cannot tell.
    bool RowStillThere(TSqlite3DB& db);

    String FTableName;
    bool FPrimaryAutoInc = false;
    String FOrderBy;
};
