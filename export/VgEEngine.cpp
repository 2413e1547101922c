// The base and virtual data engines and the mapping between field and cell types.
#include "export/VgEEngine.h"

#include "export/VgEColumns.h"

bool IsZeroBlankable(TFieldType FieldType) {
    switch (FieldType) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
    case ftFloat:
    case ftBCD:
    case ftFMTBcd:
    case ftCurrency:
    case ftDate:
    case ftTime:
    case ftDateTime:
        return true;
    default:
        return false;
    }
}

TCellType GetValueType(TFieldType FieldType, const Variant& Value, bool BlankIfZero) {
    if (BlankIfZero && IsZeroBlankable(FieldType) &&
        (Value.IsNull() || Value.IsEmpty() || Value == Variant("0")))
        return ctBlank;
    return CellTypeOf(FieldType);
}

TCellType CellTypeOf(TFieldType FieldType) {
    switch (FieldType) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint:
        return ctInteger;
    case ftFloat:
    case ftBCD:
    case ftFMTBcd:
        return ctDouble;
    case ftCurrency:
        return ctCurrency;
    case ftDate:
        return ctDate;
    case ftTime:
        return ctTime;
    case ftDateTime:
        return ctDateTime;
    case ftBlob:
    case ftMemo:
    case ftFmtMemo:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftTypedBinary:
        return ctMEMO;
    case ftGraphic:
        return ctGraphic;
    default:
        return ctString;
    }
}

TFieldType CellType2FieldType(TCellType CellType) {
    switch (CellType) {
    case ctInteger:
        return ftInteger;
    case ctDouble:
        return ftFloat;
    case ctDateTime:
        return ftDateTime;
    case ctDate:
        return ftDate;
    case ctCurrency:
        return ftCurrency;
    case ctTime:
        return ftTime;
    case ctMEMO:
        return ftMemo;
    case ctGraphic:
        return ftGraphic;
    default:
        return ftString;
    }
}

void TVgECustomDataEngine::SavePosition() {
    if (OnBeforeExecute) OnBeforeExecute(this);
}

void TVgECustomDataEngine::RestorePosition() {
    if (OnAfterExecute) OnAfterExecute(this);
}

void TVgECustomDataEngine::FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool) {
    if (Columns != nullptr) Columns->Clear();
    if (Bands != nullptr) Bands->Clear();
    if (OnFillColumns) OnFillColumns(Columns);
}

void TVgECustomDataEngine::First() {
    if (OnFirst) OnFirst(this);
}

void TVgECustomDataEngine::Next() {
    if (OnNext) OnNext(this, FAbort);
}

Variant TVgECustomDataEngine::GetFieldValue(TVgEColumn*) {
    return Null;
}

Integer TVgECustomDataEngine::RecordCount() {
    Integer count = 0;
    if (OnCount) OnCount(this, count);
    return count;
}

TFieldType TVgECustomDataEngine::DataTypeByColumn(TVgEColumn* Column) {
    return Column != nullptr ? CellType2FieldType(Column->DataType()) : ftString;
}

bool TVgEVirtualDataEngine::Eof() {
    return RecordCount() <= FRowIndex;
}

void TVgEVirtualDataEngine::First() {
    TVgECustomDataEngine::First();
    FRowIndex = 0;
}

void TVgEVirtualDataEngine::Next() {
    TVgECustomDataEngine::Next();
    ++FRowIndex;
}

Variant TVgEVirtualDataEngine::GetFieldValue(TVgEColumn* Column) {
    Variant value = Null;
    if (OnGetValue) OnGetValue(this, Column, value);
    return value;
}
