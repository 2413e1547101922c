#pragma once
// TSqlite3UpdateSQL: the insert, update and delete templates through which a
// query dataset writes posted edits back (see UpdateTemplate.h for their form).
#include "platform/core/TComponent.h"

#include <memory>

class TStrings;
class TStringList;

class TSqlite3UpdateSQL : public TComponent {
public:
    explicit TSqlite3UpdateSQL(TComponent* AOwner);
    ~TSqlite3UpdateSQL() override;
    String ClassName() const override { return "TSqlite3UpdateSQL"; }

    // The lists are owned by the component; the setters copy the lines.
    TStrings* InsertSQL() const;
    void SetInsertSQL(TStrings* Value);
    TStrings* UpdateSQL() const;
    void SetUpdateSQL(TStrings* Value);
    TStrings* DeleteSQL() const;
    void SetDeleteSQL(TStrings* Value);

private:
    std::unique_ptr<TStringList> FInsertSQL;
    std::unique_ptr<TStringList> FUpdateSQL;
    std::unique_ptr<TStringList> FDeleteSQL;
};
