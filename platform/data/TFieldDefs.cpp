#include "platform/data/TFieldDefs.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/StrUtils.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TBlobField.h"
#include "platform/data/TBooleanField.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDateTimeField.h"
#include "platform/data/TFloatField.h"
#include "platform/data/TIntegerField.h"
#include "platform/data/TStringField.h"

#include <memory>

TFieldDef::TFieldDef(TFieldDefs* Owner, const String& Name, TFieldType DataType, Integer Size, bool Required)
    : FOwner(Owner), FName(Name), FDataType(DataType), FSize(Size), FRequired(Required) {}

void TFieldDef::Assign(TPersistent* Source) {
    if (auto* def = dynamic_cast<TFieldDef*>(Source)) {
        FName = def->FName;
        FDataType = def->FDataType;
        FSize = def->FSize;
        FPrecision = def->FPrecision;
        FRequired = def->FRequired;
        return;
    }
    TPersistent::Assign(Source);
}

String TFieldDef::DisplayName() const {
    return FName.empty() ? ClassName() : FName;
}

Integer TFieldDef::FieldNo() const {
    return Index() + 1;
}

Integer TFieldDef::Index() const {
    if (!FOwner) return -1;
    for (Integer i = 0; i < FOwner->Count(); ++i)
        if (FOwner->Items(i) == this) return i;
    return -1;
}

namespace {

std::unique_ptr<TField> NewField(TFieldType DataType) {
    switch (DataType) {
    case ftString:
    case ftFixedChar:
    case ftGuid:
        return std::make_unique<TStringField>(nullptr);
    case ftWideString:
        return std::make_unique<TWideStringField>(nullptr);
    case ftSmallint:
        return std::make_unique<TSmallintField>(nullptr);
    case ftInteger:
        return std::make_unique<TIntegerField>(nullptr);
    case ftWord:
        return std::make_unique<TWordField>(nullptr);
    case ftAutoInc:
        return std::make_unique<TAutoIncField>(nullptr);
    case ftLargeint:
        return std::make_unique<TLargeintField>(nullptr);
    case ftBoolean:
        return std::make_unique<TBooleanField>(nullptr);
    case ftFloat:
    case ftFMTBcd:
        return std::make_unique<TFloatField>(nullptr);
    case ftCurrency:
        return std::make_unique<TCurrencyField>(nullptr);
    case ftBCD:
        return std::make_unique<TBCDField>(nullptr);
    case ftDate:
        return std::make_unique<TDateField>(nullptr);
    case ftTime:
        return std::make_unique<TTimeField>(nullptr);
    case ftDateTime:
    case ftTimeStamp:
        return std::make_unique<TDateTimeField>(nullptr);
    case ftMemo:
    case ftFmtMemo:
    case ftOraClob:
        return std::make_unique<TMemoField>(nullptr);
    case ftGraphic:
        return std::make_unique<TGraphicField>(nullptr);
    case ftBlob:
    case ftBytes:
    case ftVarBytes:
    case ftTypedBinary:
    case ftParadoxOle:
    case ftDBaseOle:
    case ftOraBlob:
        return std::make_unique<TBlobField>(nullptr);
    default:
        return nullptr;
    }
}

} // namespace

TField* TFieldDef::CreateField(TComponent* Owner) const {
    std::unique_ptr<TField> field = NewField(FDataType);
    if (!field) DatabaseErrorFmt(SUnknownFieldType, {DisplayName()}, FOwner ? FOwner->DataSet() : nullptr);
    // Text sizes come from the definition; other types keep their class's own.
    if (field->IsBlob() || dynamic_cast<TStringField*>(field.get())) field->SetSize(FSize);
    if (auto* real = dynamic_cast<TFloatField*>(field.get()); real && FPrecision > 0)
        real->SetPrecision(FPrecision);
    field->SetFieldName(FName);
    field->SetRequired(FRequired);
    if (FOwner && FOwner->DataSet()) field->SetDataSet(FOwner->DataSet());
    if (Owner) Owner->InsertComponent(field.get());
    return field.release();
}

TFieldDefs::TFieldDefs(TDataSet* DataSet) : FDataSet(DataSet) {}

TFieldDefs::~TFieldDefs() = default;

void TFieldDefs::Assign(TPersistent* Source) {
    auto* defs = dynamic_cast<TFieldDefs*>(Source);
    if (!defs) {
        TPersistent::Assign(Source);
        return;
    }
    Clear();
    for (const auto& def : defs->FItems) {
        TFieldDef* copy = Add(def->Name(), def->DataType(), def->Size(), def->Required());
        copy->SetPrecision(def->Precision());
    }
}

TFieldDef* TFieldDefs::Items(Integer Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FItems[static_cast<size_t>(Index)].get();
}

TFieldDef* TFieldDefs::Add(const String& Name, TFieldType DataType, Integer Size, bool Required) {
    if (Name.empty()) DatabaseError(SFieldNameMissing, FDataSet);
    if (IndexOf(Name) >= 0) DatabaseErrorFmt(SDuplicateFieldName, {Name}, FDataSet);
    FItems.push_back(std::make_unique<TFieldDef>(this, Name, DataType, Size, Required));
    return FItems.back().get();
}

Integer TFieldDefs::IndexOf(const String& Name) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (AnsiSameText(FItems[i]->Name(), Name)) return static_cast<Integer>(i);
    return -1;
}

TFieldDef* TFieldDefs::Find(const String& Name) const {
    Integer i = IndexOf(Name);
    if (i < 0) DatabaseErrorFmt(SFieldNotFound, {Name}, FDataSet);
    return FItems[static_cast<size_t>(i)].get();
}

void TFieldDefs::Clear() {
    FItems.clear();
    FUpdated = false;
}

void TFieldDefs::Update() {
    if (!FUpdated && FDataSet) {
        FDataSet->InitFieldDefs();
        FUpdated = true;
    }
}
