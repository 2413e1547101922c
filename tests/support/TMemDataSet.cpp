#include "tests/support/TMemDataSet.h"

#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"

#include <cstring>

namespace {

struct TMemRecord : TRecordBufferData {
    std::vector<TFieldData> Values;
    Int64 Serial = 0;
    TBookmarkFlag Flag = bfCurrent;
};

TMemRecord* AsRecord(TRecordBuffer Buffer) {
    return static_cast<TMemRecord*>(Buffer);
}

TBookmark SerialBookmark(Int64 Serial) {
    TBookmark bookmark(sizeof(Serial));
    std::memcpy(bookmark.data(), &Serial, sizeof(Serial));
    return bookmark;
}

bool BookmarkSerial(const TBookmark& Bookmark, Int64& Serial) {
    if (Bookmark.size() != sizeof(Serial)) return false;
    std::memcpy(&Serial, Bookmark.data(), sizeof(Serial));
    return true;
}

} // namespace

TMemDataSet::TMemDataSet(TComponent* AOwner) : TDataSet(AOwner) {}

TMemDataSet::~TMemDataSet() {
    Destroying();
    Close();
}

void TMemDataSet::AppendRow(std::initializer_list<TFieldData> Values) {
    AppendRow(std::vector<TFieldData>(Values));
}

void TMemDataSet::AppendRow(const std::vector<TFieldData>& Values) {
    FRows.push_back({FNextSerial++, Values});
}

const TFieldData& TMemDataSet::RowValue(Integer Row, Integer Column) const {
    static const TFieldData null;
    const auto& values = FRows.at(static_cast<size_t>(Row)).Values;
    return static_cast<size_t>(Column) < values.size() ? values[static_cast<size_t>(Column)] : null;
}

Integer TMemDataSet::IndexOfSerial(Int64 Serial) const {
    for (size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].Serial == Serial) return static_cast<Integer>(i);
    return -1;
}

TRecordBuffer TMemDataSet::AllocRecordBuffer() {
    return new TMemRecord;
}

TGetResult TMemDataSet::GetRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck) {
    ++FGetRecordCalls;
    const Integer count = RowCount();
    switch (GetMode) {
    case gmNext:
        if (FCurrent >= count - 1) return grEOF;
        ++FCurrent;
        break;
    case gmPrior:
        if (FCurrent <= 0) {
            FCurrent = -1;
            return grBOF;
        }
        if (FCurrent > count) FCurrent = count;
        --FCurrent;
        break;
    case gmCurrent:
        if (FCurrent < 0 || FCurrent >= count) return grError;
        break;
    }
    TMemRecord* record = AsRecord(Buffer);
    const TRow& row = FRows[static_cast<size_t>(FCurrent)];
    record->Values = row.Values;
    record->Values.resize(static_cast<size_t>(FieldDefs()->Count()));
    record->Serial = row.Serial;
    record->Flag = bfCurrent;
    return grOK;
}

void TMemDataSet::InternalInitRecord(TRecordBuffer Buffer) {
    TMemRecord* record = AsRecord(Buffer);
    record->Values.assign(static_cast<size_t>(FieldDefs()->Count()), TFieldData());
    record->Serial = 0;
}

void TMemDataSet::GetBookmarkData(TRecordBuffer Buffer, TBookmark& Data) const {
    Data = SerialBookmark(AsRecord(Buffer)->Serial);
}

void TMemDataSet::SetBookmarkData(TRecordBuffer Buffer, const TBookmark& Data) {
    Int64 serial = 0;
    if (BookmarkSerial(Data, serial)) AsRecord(Buffer)->Serial = serial;
}

TBookmarkFlag TMemDataSet::GetBookmarkFlag(TRecordBuffer Buffer) const {
    return AsRecord(Buffer)->Flag;
}

void TMemDataSet::SetBookmarkFlag(TRecordBuffer Buffer, TBookmarkFlag Value) {
    AsRecord(Buffer)->Flag = Value;
}

void TMemDataSet::InternalOpen() {
    FCurrent = -1;
    FOpen = true;
}

void TMemDataSet::InternalClose() {
    FOpen = false;
    FCurrent = -1;
}

void TMemDataSet::InternalPost() {
    TDataSet::InternalPost();
    TMemRecord* record = AsRecord(ActiveBuffer());
    if (State() == dsEdit) {
        FRows[static_cast<size_t>(FCurrent)].Values = record->Values;
        return;
    }
    TRow row{FNextSerial++, record->Values};
    const Integer count = RowCount();
    Integer position = count;
    if (record->Flag != bfEOF) position = FCurrent < 0 ? 0 : std::min(FCurrent, count);
    FRows.insert(FRows.begin() + position, std::move(row));
    FCurrent = position;
}

void TMemDataSet::InternalDelete() {
    FRows.erase(FRows.begin() + FCurrent);
    if (FCurrent >= RowCount()) FCurrent = RowCount() - 1;
}

void TMemDataSet::InternalGotoBookmark(const TBookmark& Bookmark) {
    Int64 serial = 0;
    const Integer index = BookmarkSerial(Bookmark, serial) ? IndexOfSerial(serial) : -1;
    if (index < 0) DatabaseError(SBookmarkNotFound, this);
    FCurrent = index;
}

void TMemDataSet::InternalSetToRecord(TRecordBuffer Buffer) {
    InternalGotoBookmark(SerialBookmark(AsRecord(Buffer)->Serial));
}

Integer TMemDataSet::CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const {
    Int64 serial1 = 0;
    Int64 serial2 = 0;
    if (!BookmarkSerial(Bookmark1, serial1) || !BookmarkSerial(Bookmark2, serial2)) return 0;
    Int64 position1 = IndexOfSerial(serial1);
    Int64 position2 = IndexOfSerial(serial2);
    if (position1 < 0 || position2 < 0) {
        position1 = serial1;
        position2 = serial2;
    }
    return position1 < position2 ? -1 : (position1 > position2 ? 1 : 0);
}

bool TMemDataSet::BookmarkValid(const TBookmark& Bookmark) const {
    Int64 serial = 0;
    return BookmarkSerial(Bookmark, serial) && IndexOfSerial(serial) >= 0;
}

bool TMemDataSet::GetFieldData(TField* Field, TFieldData& Data) {
    TRecordBuffer buffer = ActiveRecordBuffer();
    const Integer index = Field->FieldNo() - 1;
    if (!buffer || index < 0) return false;
    const auto& values = AsRecord(buffer)->Values;
    if (static_cast<size_t>(index) >= values.size()) return false;
    Data = values[static_cast<size_t>(index)];
    return !FieldDataIsNull(Data);
}

void TMemDataSet::SetFieldData(TField* Field, const TFieldData& Data) {
    TRecordBuffer buffer = ActiveRecordBuffer();
    const Integer index = Field->FieldNo() - 1;
    if (!buffer || index < 0) return;
    auto& values = AsRecord(buffer)->Values;
    if (static_cast<size_t>(index) >= values.size()) values.resize(static_cast<size_t>(index) + 1);
    values[static_cast<size_t>(index)] = Data;
}

Integer TMemDataSet::GetRecNo() const {
    if (!Active() || IsEmpty()) return 0;
    TMemRecord* record = AsRecord(ActiveBuffer());
    if (record->Flag != bfCurrent) return -1;
    return IndexOfSerial(record->Serial) + 1;
}

Integer TMemDataSet::GetRecordCount() const {
    return Active() ? RowCount() : 0;
}

void TMemDataSet::SetRecNo(Integer Value) {
    CheckBrowseMode();
    if (Value < 1 || Value > RowCount() || Value == RecNo()) return;
    DoBeforeScroll();
    FCurrent = Value - 1;
    Resync({rmCenter});
    DoAfterScroll();
}
