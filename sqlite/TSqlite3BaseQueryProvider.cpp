// TSqlite3BaseQuery: the provider-support operations, as plain methods.
#include "sqlite/TSqlite3BaseQuery.h"

#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/data/TParams.h"
#include "sqlite/SqliteError.h"
#include "sqlite/SqliteRout.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"

void TSqlite3BaseQuery::PSEndTransaction(bool Commit) {
    if (!FConnection) return;
    if (Commit)
        FConnection->Commit();
    else
        FConnection->RollBack();
}

void TSqlite3BaseQuery::PSExecute() {
    Close();
    SetUniDirectional(true);
    ExecSQL();
}

Integer TSqlite3BaseQuery::PSExecuteStatement(const String& ASQL, TParams* AParams,
                                              TSqlite3BaseQuery** ResultSet) {
    auto query = std::make_unique<TSqlite3Query>(nullptr);
    query->SetConnection(FConnection);
    // The provider's text carries "?" placeholders, bound in order.
    query->SetRawSQL(true);
    query->SQL()->SetText(ASQL);
    if (AParams) query->Params()->Assign(AParams);
    if (ResultSet) {
        query->SetUniDirectional(true);
        query->Open();
        *ResultSet = query.release();
    } else {
        query->ExecSQL();
    }
    return FConnection ? FConnection->RowsAffected() : -1;
}

String TSqlite3BaseQuery::PSGetKeyFields() const {
    String keys;
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        const TField* field = Fields()->Fields(i);
        if (!field->ProviderFlags().Contains(pfInKey)) continue;
        if (!keys.empty()) keys += ";";
        keys += field->FieldName();
    }
    return keys;
}

String TSqlite3BaseQuery::PSGetTableName() const {
    return GetTableNameFromSQL(FSQL->Text());
}

EUpdateError TSqlite3BaseQuery::PSGetUpdateException(const std::exception_ptr& E, const EUpdateError* Prev) {
    String message;
    Integer previous = -1;
    try {
        std::rethrow_exception(E);
    } catch (const SqliteError& e) {
        message = e.Message();
        previous = Prev != nullptr ? Prev->ErrorCode() : 0;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
    }
    return EUpdateError(message, String(), -1, previous, E);
}

void TSqlite3BaseQuery::PSReset() {
    if (!Active()) return;
    Close();
    Open();
}

void TSqlite3BaseQuery::PSSetParams(TParams* AParams) {
    if (AParams && AParams->Count() > 0) FParams->Assign(AParams);
    Close();
}

void TSqlite3BaseQuery::PSSetCommandText(const String& Text) {
    if (Text.empty()) return;
    FSQL->SetText(Text);
    FWorkingSQL = Text;
}
