#include "sqlite/TSqlite3InlineSQL.h"

#include "platform/core/TStringList.h"

TSqlite3InlineSQL::TSqlite3InlineSQL(TComponent* AOwner)
    : TComponent(AOwner), FSQL(std::make_unique<TStringList>()) {}

TSqlite3InlineSQL::~TSqlite3InlineSQL() = default;

TStrings* TSqlite3InlineSQL::SQL() const {
    return FSQL.get();
}

void TSqlite3InlineSQL::SetSQL(TStrings* Value) {
    FSQL->Assign(Value);
}

String TSqlite3InlineSQL::ScriptText() const {
    return FSQL->Text();
}
