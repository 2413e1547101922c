// TSqlite3BaseQuery: record buffers, moving through the rows, bookmarks,
// record numbers and the stored-row side of post and delete.
#include "sqlite/TSqlite3BaseQuery.h"

#include "platform/data/DBConsts.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "sqlite/SqliteError.h"
#include "sqlite/SqliteRecord.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"

#include <cstring>

using sqlite::AsRecord;
using sqlite::SqliteRecord;

namespace {

TBookmark MakeBookmark(Integer Value) {
    TBookmark data(sizeof(Integer));
    std::memcpy(data.data(), &Value, sizeof(Integer));
    return data;
}

// -1 for a bookmark that is not one of ours.
Integer BookmarkValue(const TBookmark& Data) {
    if (Data.size() != sizeof(Integer)) return -1;
    Integer value;
    std::memcpy(&value, Data.data(), sizeof(Integer));
    return value;
}

} // namespace

TRecordBuffer TSqlite3BaseQuery::AllocRecordBuffer() {
    auto* record = new SqliteRecord;
    record->Row.Resize(static_cast<std::size_t>(FieldDefs()->Count()));
    return record;
}

void TSqlite3BaseQuery::FreeRecordBuffer(TRecordBuffer& Buffer) {
    delete AsRecord(Buffer);
    Buffer = nullptr;
}

TGetResult TSqlite3BaseQuery::GetRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck) {
    if (!FResultStore) return grError;
    const Integer count = FResultStore->Count();
    const bool oneWay = UniDirectional();
    if (!oneWay && count == 0) return grEOF;

    TGetResult result = grOK;
    switch (GetMode) {
    case gmCurrent:
        if (FCurrentRow < 0 || FCurrentRow >= count) result = grError;
        break;
    case gmNext:
        if (!oneWay) {
            if (FCurrentRow < count - 1)
                ++FCurrentRow;
            else
                result = grEOF;
        }
        break;
    case gmPrior:
        if (oneWay) throw SqliteError("operation PRIOR not allowed on unidirectional dataset");
        if (FCurrentRow > 0)
            --FCurrentRow;
        else
            result = grBOF;
        break;
    }

    if (result == grOK) {
        SqliteRecord* record = AsRecord(Buffer);
        if (oneWay) {
            sqlite::RowImage* row = FConnection && FStatementHandle ? NextOneWayRow() : nullptr;
            if (!row) return grEOF;
            record->Row = *row;
        } else {
            FResultStore->GetData(FCurrentRow, record->Row);
        }
        record->Flag = bfCurrent;
        record->Bookmark = FResultStore->GetBookmark(FCurrentRow);
    } else if (result == grError && DoCheck) {
        throw EDatabaseError(SNoRecords);
    }
    return result;
}

void TSqlite3BaseQuery::GetBookmarkData(TRecordBuffer Buffer, TBookmark& Data) const {
    Data = MakeBookmark(AsRecord(Buffer)->Bookmark);
}

void TSqlite3BaseQuery::SetBookmarkData(TRecordBuffer Buffer, const TBookmark& Data) {
    AsRecord(Buffer)->Bookmark = BookmarkValue(Data);
}

TBookmarkFlag TSqlite3BaseQuery::GetBookmarkFlag(TRecordBuffer Buffer) const {
    return AsRecord(Buffer)->Flag;
}

void TSqlite3BaseQuery::SetBookmarkFlag(TRecordBuffer Buffer, TBookmarkFlag Value) {
    AsRecord(Buffer)->Flag = Value;
}

Integer TSqlite3BaseQuery::CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const {
    if (Bookmark1.empty() || Bookmark2.empty()) return 0;
    const Integer a = BookmarkValue(Bookmark1);
    const Integer b = BookmarkValue(Bookmark2);
    return a < b ? -1 : (a > b ? 1 : 0);
}

bool TSqlite3BaseQuery::BookmarkValid(const TBookmark& Bookmark) const {
    return FResultStore && FResultStore->IndexOf(BookmarkValue(Bookmark)) >= 0;
}

void TSqlite3BaseQuery::InternalGotoBookmark(const TBookmark& Bookmark) {
    const Integer index = FResultStore ? FResultStore->IndexOf(BookmarkValue(Bookmark)) : -1;
    if (index < 0) {
        if (UniDirectional()) return;
        throw EDatabaseError(SBookmarkNotFound);
    }
    FCurrentRow = index;
}

void TSqlite3BaseQuery::InternalSetToRecord(TRecordBuffer Buffer) {
    // A new record inserted into an empty dataset carries no bookmark yet.
    if (AsRecord(Buffer)->Bookmark < 0) return;
    InternalGotoBookmark(MakeBookmark(AsRecord(Buffer)->Bookmark));
}

void TSqlite3BaseQuery::InternalFirst() {
    FCurrentRow = -1;
    // A one-directional walk starts again from the statement's first row.
    if (UniDirectional() && FStatementHandle && FConnection) FConnection->Api().reset(FStatementHandle);
}

void TSqlite3BaseQuery::InternalLast() {
    FCurrentRow = FResultStore ? FResultStore->Count() : 0;
}

Integer TSqlite3BaseQuery::GetRecordCount() const {
    return FResultStore ? FResultStore->Count() : 0;
}

Integer TSqlite3BaseQuery::GetRecNo() const {
    const_cast<TSqlite3BaseQuery*>(this)->UpdateCursorPos();
    if (FCurrentRow == -1 && GetRecordCount() > 0) return 1;
    return FCurrentRow + 1;
}

void TSqlite3BaseQuery::SetRecNo(Integer Value) {
    if (!Active() || Value < 0 || Value >= GetRecordCount() + 2) return;
    // A pending edit is settled first, as every other move does; refilling the
    // window under it would drop it while the state still says editing.
    CheckBrowseMode();
    FCurrentRow = Value - 1;
    Resync({});
}

void TSqlite3BaseQuery::InternalAddRecord(TRecordBuffer Buffer, bool Append) {
    if (FReadOnly) throw SqliteError("Cannot write to a read-only dataset");
    FModifiedMark = true;
    if (Append) InternalLast();
    Post();
}

sqlite::RowImage& TSqlite3BaseQuery::ActiveRow() {
    return AsRecord(ActiveBuffer())->Row;
}

Int64 TSqlite3BaseQuery::StoredRowId() const {
    // A one-directional dataset stores nothing; its row is the one last read.
    if (UniDirectional()) return CurrentRowId;
    return FResultStore ? FResultStore->GetRowId(FCurrentRow) : -1;
}

void TSqlite3BaseQuery::PostToStore() {
    FModifiedMark = true;
    if (!FResultStore) return;
    if (State() == dsInsert) {
        const Integer at = std::max(FCurrentRow, 0);
        FResultStore->Insert(at, ActiveRow(), FConnection ? FConnection->LastInsertRowId() : -1);
        FCurrentRow = std::min(at, FResultStore->Count() - 1);
    } else if (State() == dsEdit && !UniDirectional()) {
        // A one-directional dataset keeps no rows; its statement stays where it is.
        FResultStore->Replace(FCurrentRow, ActiveRow());
    }
}

void TSqlite3BaseQuery::DeleteFromStore() {
    FModifiedMark = true;
    if (!FResultStore) return;
    FResultStore->Delete(FCurrentRow);
    if (FCurrentRow >= FResultStore->Count()) --FCurrentRow;
}

void TSqlite3BaseQuery::InternalPost() {
    PostToStore();
}

void TSqlite3BaseQuery::InternalDelete() {
    DeleteFromStore();
}
