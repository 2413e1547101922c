// TSqlite3BaseQuery: field values between field objects and typed slots,
// Locate and Lookup.
#include "sqlite/TSqlite3BaseQuery.h"

#include "platform/core/DateTime.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"
#include "sqlite/SqliteFieldMap.h"
#include "sqlite/SqliteRecord.h"
#include "sqlite/TSqlite3BlobStream.h"

using sqlite::AsRecord;
using sqlite::SlotKind;

sqlite::SlotKind TSqlite3BaseQuery::KindOf(const TField* Field) const {
    const TFieldDef* def = nullptr;
    return KindOf(Field, def);
}

sqlite::SlotKind TSqlite3BaseQuery::KindOf(const TField* Field, const TFieldDef*& Def) const {
    // The slot follows the column's definition; a persistent field of another
    // type converts what it is handed.
    const Integer index = Field->FieldNo() - 1;
    Def = index >= 0 && index < FieldDefs()->Count() ? FieldDefs()->Items(index) : nullptr;
    return Def ? sqlite::SlotKindOf(Def->DataType(), Field->FieldName())
               : sqlite::SlotKindOf(Field->DataType());
}

bool TSqlite3BaseQuery::GetFieldData(TField* Field, TFieldData& Data) {
    Data = TFieldData();
    if (!Field || Field->FieldNo() < 1) return false;

    // Every cell a list or an export reads comes here: the link test is made only for a
    // detail, and the column's definition is looked up once.
    if (FMasterSource && !FMasterFields.empty()) {
        String masterField;
        if (IsLinkColumn(Field->FieldName(), masterField)) {
            // A detail's link column shows the master's current value.
            TSqlite3BaseQuery* master = MasterDataset();
            TField* source = master ? master->FindField(masterField) : nullptr;
            return source ? source->GetData(Data) : true;
        }
    }

    TRecordBuffer buffer = ActiveRecordBuffer();
    if (!buffer) return false;
    const sqlite::RowImage& row = AsRecord(buffer)->Row;
    const auto index = static_cast<std::size_t>(Field->FieldNo() - 1);
    if (index >= row.Count() || row[index].Null) return false;
    const sqlite::Slot& slot = row[index];
    const TFieldDef* def = nullptr;
    switch (KindOf(Field, def)) {
    case SlotKind::Integer:
        if ((def ? def : FieldDefs()->Items(Field->FieldNo() - 1))->DataType() == ftBoolean)
            Data = slot.Int != 0;
        else
            Data = slot.Int;
        break;
    case SlotKind::Float:
        // A date the engine's text did not give comes as that text.
        if (slot.Bytes.empty())
            Data = slot.Float;
        else
            Data = slot.Bytes;
        break;
    case SlotKind::Bytes:
        Data = slot.Bytes;
        break;
    }
    return true;
}

void TSqlite3BaseQuery::SetFieldData(TField* Field, const TFieldData& Data) {
    if (!Field || Field->FieldNo() < 1) return;
    TRecordBuffer buffer = ActiveRecordBuffer();
    if (!buffer) return;
    sqlite::RowImage& row = AsRecord(buffer)->Row;
    const auto index = static_cast<std::size_t>(Field->FieldNo() - 1);
    if (index >= row.Count()) return;
    if (FieldDataIsNull(Data)) {
        row.SetNull(index);
        return;
    }
    switch (KindOf(Field)) {
    case SlotKind::Integer:
        if (const bool* flag = std::get_if<bool>(&Data))
            row.SetInteger(index, *flag ? 1 : 0);
        else if (const Int64* value = std::get_if<Int64>(&Data))
            row.SetInteger(index, *value);
        else if (const double* number = std::get_if<double>(&Data))
            row.SetInteger(index, static_cast<Int64>(*number));
        else if (const String* text = std::get_if<String>(&Data))
            row.SetInteger(index, sqlite::EngineTextReader::ReadInteger(*text));
        break;
    case SlotKind::Float: {
        double value = 0;
        if (const double* number = std::get_if<double>(&Data))
            value = *number;
        else if (const Int64* integer = std::get_if<Int64>(&Data))
            value = static_cast<double>(*integer);
        else if (const bool* flag = std::get_if<bool>(&Data))
            value = *flag ? 1.0 : 0.0;
        const TFieldType type = Field->DataType();
        if (type == ftDate || type == ftTime || type == ftDateTime || type == ftTimeStamp)
            value = DateTimeToNative(type, value);
        row.SetFloat(index, value);
        break;
    }
    case SlotKind::Bytes: {
        String value;
        if (const String* text = std::get_if<String>(&Data))
            value = *text;
        else if (const Int64* integer = std::get_if<Int64>(&Data))
            value = std::to_string(*integer);
        else if (const bool* flag = std::get_if<bool>(&Data))
            value = *flag ? "1" : "0";
        const TFieldType type = Field->DataType();
        // A text longer than the field's size is cut to it, in characters, unless the
        // dataset holds whole texts.
        if (FWholeTexts)
            row.SetBytes(index, value);
        else if ((type == ftString || type == ftFixedChar) && Field->Size() > 0 &&
                 Length(value) > Field->Size())
            row.SetBytes(index, Copy(value, 1, Field->Size()));
        else if (type == ftWideString && Field->Size() > 0 && Length(value) > Field->Size() / 2)
            row.SetBytes(index, Copy(value, 1, Field->Size() / 2));
        else
            row.SetBytes(index, value);
        break;
    }
    }
}

void TSqlite3BaseQuery::InternalInitRecord(TRecordBuffer Buffer) {
    sqlite::SqliteRecord* record = AsRecord(Buffer);
    record->Row.Resize(static_cast<std::size_t>(FieldDefs()->Count()));
    record->Bookmark = -1;
    // Date and time slots start on the present moment, though still null.
    const TDateTime now = Now();
    for (Integer i = 0; i < FieldDefs()->Count(); ++i) {
        const TFieldType type = FieldDefs()->Items(i)->DataType();
        if (type == ftDate || type == ftTime || type == ftDateTime || type == ftTimeStamp)
            record->Row[static_cast<std::size_t>(i)].Float = DateTimeToNative(type, now);
    }
}

TSqlite3BlobStream* TSqlite3BaseQuery::CreateBlobStream(TField* Field, TBlobStreamMode Mode) {
    return new TSqlite3BlobStream(Field, Mode);
}

bool TSqlite3BaseQuery::Locate(const String& KeyFields, const std::vector<Variant>& KeyValues,
                               TLocateOptions Options) {
    CheckBrowseMode();
    const std::vector<TField*> keys = KeyFieldList(KeyFields);
    std::vector<String> keyTexts;
    for (std::size_t i = 0; i < keys.size(); ++i)
        keyTexts.push_back(i < KeyValues.size() ? VarToStr(KeyValues[i]) : String());

    DisableControls();
    const core::ScopeExit enable([this] { EnableControls(); });
    bool found = false;
    First();
    const Integer count = GetRecordCount();
    for (Integer recNo = 1; recNo <= count && !found; ++recNo) {
        SetRecNo(recNo);
        found = true;
        for (std::size_t i = 0; i < keys.size() && found; ++i) {
            String text = keys[i]->AsString();
            const String& key = keyTexts[i];
            if (Options.Contains(loPartialKey) && Length(text) >= Length(key))
                text = Copy(text, 1, Length(key));
            found = Options.Contains(loCaseInsensitive) ? AnsiCompareText(text, key) == 0 : text == key;
        }
    }
    return found;
}

Variant TSqlite3BaseQuery::Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues,
                                  const String& ResultFields) {
    if (!Locate(KeyFields, KeyValues, {})) return Variant(String());
    return FieldValues(ResultFields);
}
