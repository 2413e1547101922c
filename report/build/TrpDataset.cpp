#include "report/build/TrpDataset.h"

#include "platform/core/NumberFormat.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "report/build/detail/QuietDataSets.h"
#include "report/common/detail/rpDBUtils.h"
#include "report/common/rpNameLookup.h"

void TrpDataset::First() {
    RecNo = 0;
    if (OnFirst) OnFirst(this);
}

void TrpDataset::Next() {
    ++RecNo;
    if (OnNext) OnNext(this);
}

bool TrpDataset::Eof() {
    bool result = RangeEnd == reCount && RecNo >= RangeEndCount;
    if (OnCheckEOF) OnCheckEOF(this, result);
    return result;
}

TrpDBDataSet::~TrpDBDataSet() {
    SetDataSet(nullptr);
    SetDataSource(nullptr);
}

void TrpDBDataSet::SetDataSet(TDataSet* Value) {
    if (FDataSet) FDataSet->RemoveFreeNotification(this);
    FDataSet = Value;
    if (Value) {
        Value->FreeNotification(this);
        SetDataSource(nullptr);
    }
}

void TrpDBDataSet::SetDataSource(TDataSource* Value) {
    if (FDataSource) FDataSource->RemoveFreeNotification(this);
    FDataSource = Value;
    if (Value) {
        Value->FreeNotification(this);
        SetDataSet(nullptr);
    }
}

void TrpDBDataSet::Notification(TComponent* AComponent, TOperation Operation) {
    TrpDataset::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FDataSource) FDataSource = nullptr;
    if (AComponent == FDataSet) FDataSet = nullptr;
}

TDataSet* TrpDBDataSet::GetDataSet() const {
    if (FDataSource && FDataSource->DataSet()) return FDataSource->DataSet();
    if (FDataSet) return FDataSet;
    throw ErpDataSourceError("Unable to open dataset " + Name());
}

void TrpDBDataSet::Open() {
    if (OpenDataSource) GetDataSet()->Open();
    if (OnOpen) OnOpen(this);
}

void TrpDBDataSet::Close() {
    if (OnClose) OnClose(this);
    if (CloseDataSource) GetDataSet()->Close();
}

void TrpDBDataSet::Init() {
    Open();
    Bookmark = rpGetBookmark(GetDataSet());
    FHasBookmark = !Bookmark.empty();
    EofFlag = false;
}

void TrpDBDataSet::Exit() {
    if (FHasBookmark) {
        TDataSet* ds = GetDataSet();
        if (RangeBegin == rbCurrent || RangeEnd == reCurrent) rpGotoBookmark(ds, Bookmark);
        rpFreeBookmark(ds, Bookmark);
    }
    FHasBookmark = false;
    Bookmark.clear();
    Close();
}

void TrpDBDataSet::First() {
    TDataSet* ds = GetDataSet();
    report::QuietDataSets::Add(ds);
    if (RangeBegin == rbFirst)
        ds->First();
    else if (FHasBookmark)
        rpGotoBookmark(ds, Bookmark);
    EofFlag = false;
    TrpDataset::First();
}

void TrpDBDataSet::Next() {
    EofFlag = false;
    TDataSet* ds = GetDataSet();
    if (RangeEnd == reCurrent && FHasBookmark && rpIsBookmarksEqual(ds, rpGetBookmark(ds), Bookmark)) {
        EofFlag = true;
        return;
    }
    ds->Next();
    TrpDataset::Next();
}

bool TrpDBDataSet::Eof() {
    return TrpDataset::Eof() || GetDataSet()->Eof() || EofFlag;
}

TrpDataset* rpResolveBandDataSet(TComponent* Owner, const String& FormatStr, bool& Owned) {
    Owned = false;
    TrpDataset* result = nullptr;
    if (!FormatStr.empty() && FormatStr[0] >= '1' && FormatStr[0] <= '9') {
        const Integer count = StrToInt(FormatStr);
        auto* ds = new TrpUserDataset(nullptr);
        ds->RangeEnd = reCount;
        ds->RangeEndCount = count;
        Owned = true;
        result = ds;
    } else {
        // "Form2.rpDataset1" names a source on another form of the program.
        TComponent* found = rpFindComponent(Owner, FormatStr);
        if (found) {
            result = dynamic_cast<TrpDataset*>(found);
            if (!result) throw EInvalidCast("Invalid class typecast");
        }
    }
    if (result) result->Init();
    return result;
}
