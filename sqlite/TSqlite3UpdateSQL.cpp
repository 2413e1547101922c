#include "sqlite/TSqlite3UpdateSQL.h"

#include "platform/core/TStringList.h"

TSqlite3UpdateSQL::TSqlite3UpdateSQL(TComponent* AOwner)
    : TComponent(AOwner), FInsertSQL(std::make_unique<TStringList>()),
      FUpdateSQL(std::make_unique<TStringList>()), FDeleteSQL(std::make_unique<TStringList>()) {}

TSqlite3UpdateSQL::~TSqlite3UpdateSQL() = default;

TStrings* TSqlite3UpdateSQL::InsertSQL() const {
    return FInsertSQL.get();
}
TStrings* TSqlite3UpdateSQL::UpdateSQL() const {
    return FUpdateSQL.get();
}
TStrings* TSqlite3UpdateSQL::DeleteSQL() const {
    return FDeleteSQL.get();
}

void TSqlite3UpdateSQL::SetInsertSQL(TStrings* Value) {
    FInsertSQL->Assign(Value);
}
void TSqlite3UpdateSQL::SetUpdateSQL(TStrings* Value) {
    FUpdateSQL->Assign(Value);
}
void TSqlite3UpdateSQL::SetDeleteSQL(TStrings* Value) {
    FDeleteSQL->Assign(Value);
}
