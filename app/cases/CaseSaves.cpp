#include "app/cases/CaseSaves.h"

#include "app/common/ChangedValues.h"
#include "app/common/QueryRun.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

Integer WriteNewCase(TSqlite3Query& Query, const String& Name, const String& Description, TDateTime Date) {
    return InsertForKey(Query, NewCaseSql(Name, Description, Date));
}

void WriteCaseEvent(TSqlite3Query& Query, const CaseEventInput& Event, Integer RetentionYears, bool CloseCase,
                    TDateTime Today) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    if (HasEventContent(Event)) OpenStatement(Query, CaseEventInsertSql(Event, RetentionYears));
    if (CloseCase) {
        OpenStatement(Query, CaseClosingEntrySql(Event.CaseId, Today));
        OpenStatement(Query, CaseCloseSql(Event.CaseId));
    }
    Query.Close();
    transaction.Commit();
}

PersonLink WriteCasePerson(TSqlite3Query& Query, Integer CaseId, const CasePerson& Person,
                           RegisterChoice Choice, Integer SelectedRegisterId, const CasePerson& Copied,
                           const ClientTexts& Texts) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    PersonLink link;
    link.CopyId = InsertForKey(Query, CasePersonInsertSql(CaseId, Person, Texts.Copy));
    switch (Choice) {
    case RegisterChoice::AddNew:
        link.RegisterId = InsertForKey(Query, RegisterPersonInsertSql(Person, Texts.Copy));
        break;
    case RegisterChoice::Overwrite:
        ExecUpdate(Query, RegisterPersonUpdateSql(SelectedRegisterId, Copied, Person, Texts.Set));
        link.RegisterId = SelectedRegisterId;
        break;
    case RegisterChoice::Keep:
        link.RegisterId = SelectedRegisterId;
        break;
    }
    ExecStatement(Query, CasePersonLinkSql(link.CopyId, link.RegisterId));
    Query.Close();
    transaction.Commit();
    return link;
}

void WriteCaseOrganisation(TSqlite3Query& Query, Integer CaseId, const CaseOrganisation& Organisation,
                           RegisterChoice Choice, Integer SelectedRegisterId, const CaseOrganisation& Copied,
                           const ClientTexts& Texts) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    ExecStatement(Query, CaseOrganisationInsertSql(CaseId, Organisation, Texts.Copy));
    if (Choice == RegisterChoice::AddNew)
        ExecStatement(Query, RegisterOrganisationInsertSql(Organisation, Texts.Copy));
    else if (Choice == RegisterChoice::Overwrite)
        ExecUpdate(Query, RegisterOrganisationUpdateSql(SelectedRegisterId, Copied, Organisation, Texts.Set));
    transaction.Commit();
}

} // namespace app
