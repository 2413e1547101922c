#include "app/cases/CaseSaves.h"

#include "app/common/QueryRun.h"
#include "app/common/StoredFlag.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

namespace {

// "Átír" and "Nem módosít" stand on the register row "Másol" copied, as the combo offered it
// (active): the person's copy links to it, and the overwrite of an unchanged copy writes
// nothing that would find it gone or withdrawn.
void RequireChosen(TSqlite3Query& Query, const char* Table, RegisterChoice Choice,
                   Integer SelectedRegisterId) {
    if (Choice != RegisterChoice::AddNew && SelectedRegisterId >= 1)
        RequireRow(Query, Table, SelectedRegisterId, "aktiv=1", RowInactiveMessage);
}

void CloseWithEndDate(TSqlite3Query& Query, Integer CaseId) {
    // The rule dates only a change of status: a case closed before keeps its date.
    const bool closedBefore = OpenForInteger(Query, CaseClosedSql(CaseId)) > 0;
    // The rule dates this closing by the database's local or its UTC clock, whichever the
    // office's rule took, and both run on from here: an end date before the earlier of their
    // days is an earlier closing's, kept by a database that does not clear it on reopening.
    const String earliest = closedBefore ? String() : OpenForText(Query, EarliestTodaySql());
    ExecUpdate(Query, CaseCloseSql(CaseId));
    // The end date tells the lists and the printed sheet when the case was closed.
    RequireGiven(Query, CaseEndDatedSql(CaseId, earliest), CaseNotEndDatedMessage);
}

} // namespace

Integer WriteNewCase(TSqlite3Query& Query, const String& Name, const String& Description, TDateTime Date) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    const Integer id = InsertForKey(Query, NewCaseSql(Name, Description, Date));
    // The year and number name the case on its sheet, in the lists and in every document number.
    RequireGiven(Query, CaseNumberedSql(id), CaseNotNumberedMessage);
    transaction.Commit();
    return id;
}

void WriteCaseEvent(TSqlite3Query& Query, const CaseEventInput& Event, Integer RetentionYears, bool CloseCase,
                    TDateTime Today) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    RequireRow(Query, "ugy", Event.CaseId);
    if (HasEventContent(Event)) {
        const Integer id = InsertForKey(Query, CaseEventInsertSql(Event, RetentionYears));
        // The document number and date of entry name the file in the documents list.
        if (!Event.File.empty())
            RequireGiven(Query, EventDocumentNumberedSql(id), DocumentNotNumberedMessage);
    }
    if (CloseCase) {
        ExecInsert(Query, CaseClosingEntrySql(Event.CaseId, Today));
        CloseWithEndDate(Query, Event.CaseId);
    }
    Query.Close();
    transaction.Commit();
}

void WriteCaseBaseData(TSqlite3Query& Query, Integer CaseId, ChangedValues Changes,
                       std::optional<bool> Active) {
    if (Changes.Empty() && !Active) return;
    sqlite::Transaction transaction(ConnectionOf(Query));
    if (Active == true) AddFlagChange(Changes, "status", true);
    ExecUpdate(Query, Changes.UpdateSql("ugy", CaseId));
    if (Active == false) CloseWithEndDate(Query, CaseId);
    Query.Close();
    transaction.Commit();
}

PersonLink WriteCasePerson(TSqlite3Query& Query, Integer CaseId, const CasePerson& Person,
                           RegisterChoice Choice, Integer SelectedRegisterId, const CasePerson& Copied,
                           const ClientTexts& Texts) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    RequireRow(Query, "ugy", CaseId);
    RequireChosen(Query, "ugyfel_termeszetes_szemely", Choice, SelectedRegisterId);
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
    ExecUpdate(Query, CasePersonLinkSql(link.CopyId, link.RegisterId));
    Query.Close();
    transaction.Commit();
    return link;
}

void WriteCaseOrganisation(TSqlite3Query& Query, Integer CaseId, const CaseOrganisation& Organisation,
                           RegisterChoice Choice, Integer SelectedRegisterId, const CaseOrganisation& Copied,
                           const ClientTexts& Texts) {
    sqlite::Transaction transaction(ConnectionOf(Query));
    RequireRow(Query, "ugy", CaseId);
    RequireChosen(Query, "ugyfel_szervezet", Choice, SelectedRegisterId);
    ExecInsert(Query, CaseOrganisationInsertSql(CaseId, Organisation, Texts.Copy));
    if (Choice == RegisterChoice::AddNew)
        ExecInsert(Query, RegisterOrganisationInsertSql(Organisation, Texts.Copy));
    else if (Choice == RegisterChoice::Overwrite)
        ExecUpdate(Query, RegisterOrganisationUpdateSql(SelectedRegisterId, Copied, Organisation, Texts.Set));
    Query.Close();
    transaction.Commit();
}

} // namespace app
