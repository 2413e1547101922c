#pragma once
// TSqlite3Query: the dataset over one SQL statement held in SQL. ":name" markers
// become parameters unless RawSQL is set; posted edits are written back through
// the templates of an assigned TSqlite3UpdateSQL.
#include "sqlite/TSqlite3BaseQuery.h"

class TSqlite3UpdateSQL;

class TSqlite3Query : public TSqlite3BaseQuery {
public:
    explicit TSqlite3Query(TComponent* AOwner);
    ~TSqlite3Query() override;
    String ClassName() const override { return "TSqlite3Query"; }

    // True: the text runs exactly as written, without parameters.
    bool RawSQL() const { return FRawSQL; }
    void SetRawSQL(bool Value);
    // The statement's lines; every change closes the query and parses it again.
    TStrings* SQL() const;
    TStrings* GetSQL() const { return SQL(); }
    void SetSQL(TStrings* Value) override;
    TSqlite3UpdateSQL* UpdateSQL() const { return FUpdateSQL; }
    void SetUpdateSQL(TSqlite3UpdateSQL* Value);

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void SQLiteMasterChanged(bool Empty) override;

protected:
    // Raises SqliteError "no query specified" for an empty SQL text.
    void PrepareWorkingSQL() override;
    // Raise SqliteError "Cannot post into a read-only dataset", "Cannot delete from
    // a read-only dataset", "Missing TSqlite3UpdateSQL component", the template
    // errors, or EDatabaseError "<field> is required.".
    void InternalPost() override;
    void InternalDelete() override;

private:
    void QueryChanged(TObject* Sender);
    // Names of the data fields, in field-list order.
    std::vector<String> DataFieldNames() const;

    bool FRawSQL = false;
    TSqlite3UpdateSQL* FUpdateSQL = nullptr;
};
