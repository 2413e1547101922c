#pragma once
// TSqlite3InlineSQL: SQL lines the connection runs once when it connects
// (with ExecuteInlineSQL set), inside one transaction.
#include "platform/core/TComponent.h"
#include "sqlite/ResultTarget.h"

#include <memory>

class TStrings;
class TStringList;

class TSqlite3InlineSQL : public TComponent, public sqlite::InlineScript {
public:
    explicit TSqlite3InlineSQL(TComponent* AOwner);
    ~TSqlite3InlineSQL() override;
    String ClassName() const override { return "TSqlite3InlineSQL"; }

    // Owned by the component; the setter copies the lines.
    TStrings* SQL() const;
    void SetSQL(TStrings* Value);

    // The lines joined as the string list renders its text.
    String ScriptText() const override;

private:
    std::unique_ptr<TStringList> FSQL;
};
