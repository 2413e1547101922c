// The export component root's settings and the routines every format reads:
// field text, system values, colour styles and language strings.
#include "export/ExportRoutines.h"
#include "export/CellLayout.h"
#include "export/LanguageStrings.h"
#include "export/TVgExportBaseComponent.h"
#include "export/VgEColumns.h"

#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"

TVgECustomBaseComponent::TVgECustomBaseComponent(TComponent* AOwner)
    : TComponent(AOwner), FDataFormats(std::make_unique<TVgEDataFormats>()),
      FSendTo(std::make_unique<TVgESendTo>()), FStatistic(std::make_unique<TVgEStatistic>()),
      FExportStyle(std::make_unique<TVgExportStyle>()), FPageSetup(std::make_unique<TVgEPageSetup>()),
      FHeader(std::make_unique<TStringList>()), FFooter(std::make_unique<TStringList>()) {}

TVgECustomBaseComponent::~TVgECustomBaseComponent() = default;

void TVgECustomBaseComponent::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TVgECustomBaseComponent*>(Source);
    if (source == nullptr) {
        TComponent::Assign(Source);
        return;
    }
    FAnimatedStatus = source->FAnimatedStatus;
    FDataFormats->Assign(source->FDataFormats.get());
    FKeyGenerator = source->FKeyGenerator;
    FSelectedRecord = source->FSelectedRecord;
    FBlankIfZero = source->FBlankIfZero;
    FOptions = source->FOptions;
    FRightToLeft = source->FRightToLeft;
    FSendTo->Assign(source->FSendTo.get());
    FExportIfEmpty = source->FExportIfEmpty;
    FStatistic->Assign(source->FStatistic.get());
    FExportStyle->Assign(source->FExportStyle.get());
    FPageSetup->Assign(source->FPageSetup.get());
    FHeader->Assign(source->FHeader.get());
    FFooter->Assign(source->FFooter.get());
    FRowsPerFile = source->FRowsPerFile;
    FTableType = source->FTableType;
    FFileName = source->FFileName;
    FAddTitle = source->FAddTitle;
    FActionAfterExport = source->FActionAfterExport;
    FLayout = source->FLayout;
    FCharacterSet = source->FCharacterSet;
    OnGetLanguageString = source->OnGetLanguageString;
    OnBeforeRecord = source->OnBeforeRecord;
    OnAfterRecord = source->OnAfterRecord;
    OnBeforeExecute = source->OnBeforeExecute;
    OnAfterExecute = source->OnAfterExecute;
    OnGetFileName = source->OnGetFileName;
    OnProgress = source->OnProgress;
}

void TVgECustomBaseComponent::SetTableType(TTableTypeExport Value) {
    if (!FFileName.empty()) FFileName = ChangeFileExt(FFileName, GetDefExt(Value));
    FTableType = Value;
}

void TVgECustomBaseComponent::SetDataFormats(TVgEDataFormats* Value) {
    FDataFormats->Assign(Value);
}
void TVgECustomBaseComponent::SetSendTo(TVgESendTo* Value) {
    FSendTo->Assign(Value);
}
void TVgECustomBaseComponent::SetExportStyle(TVgExportStyle* Value) {
    FExportStyle->Assign(Value);
}
TStrings* TVgECustomBaseComponent::Header() const {
    return FHeader.get();
}
TStrings* TVgECustomBaseComponent::Footer() const {
    return FFooter.get();
}

String TVgECustomBaseComponent::GetFieldStr(TField* Field) {
    if (Field == nullptr) return String();
    String text;
    if (!FOptions.Contains(soFieldMask))
        text = Field->AsString();
    else if (Field->DataType() == ftBoolean)
        text = Field->AsBoolean() ? FDataFormats->BooleanTrue() : FDataFormats->BooleanFalse();
    else
        text = Field->DisplayText();
    if (!FBlankIfZero || text.empty()) return text;
    if (IsNumericField(Field)) return Field->IsNull() || Field->AsFloat() == 0 ? String() : text;
    switch (Field->DataType()) {
    case ftDate:
    case ftTime:
    case ftDateTime:
        return Field->IsNull() || Field->AsDateTime() == 0 ? String() : text;
    default:
        return Field->IsNull() ? String() : text;
    }
}

Variant TVgECustomBaseComponent::GetSysValue(const String& Name) const {
    if (Name == "ROWNO")
        return cellfile::RowNumber(FStatistic->CurrentRow(), FHeader->Count(), FAddTitle,
                                   FOptions.Contains(soBlankRowAfterCaptions));
    if (Name == "COLNO") return FStatistic->CurrentColumn();
    if (Name == "COUNT") return FStatistic->TotalCount();
    if (Name == "ERRCOUNT") return FStatistic->TotalErrors();
    if (Name == "GENERATOR") return FKeyGenerator;
    return Variant();
}

void TVgECustomBaseComponent::AssignStyle(Integer Row, TColor& Color) const {
    cellfile::AssignStyle(FExportStyle->Style(), FExportStyle->OddColor(), FExportStyle->EvenColor(), Row,
                          Color);
}

Integer TVgECustomBaseComponent::GetTitleRowCount() const {
    return cellfile::TitleRowCount(FAddTitle, FOptions.Contains(soBlankRowAfterCaptions), FHeader->Count());
}

String TVgECustomBaseComponent::AddZeros(const String& Text, Integer Length, bool AtLeft) {
    String result = Text;
    const auto have = static_cast<Integer>(::Length(result));
    if (have < Length) {
        const String zeros(static_cast<std::size_t>(Length - have), '0');
        result = AtLeft ? zeros + result : result + zeros;
    }
    return result;
}

String TVgECustomBaseComponent::GetLanguageString(Integer Id) {
    String text = VgELanguageText(Id);
    if (OnGetLanguageString) OnGetLanguageString(this, Id, text);
    return text;
}

String TVgECustomBaseComponent::GetDefExt(TTableTypeExport TableType) {
    switch (TableType) {
    case teParadox:
        return ".DB";
    case teDBase:
        return ".DBF";
    case teText:
        return ".TXT";
    case teHTML:
        return ".HTM";
    case teXLS:
    case teExcel:
        return ".XLS";
    case teWord:
        return ".DOC";
    case teSYLK:
        return ".SLK";
    case teDIF:
        return ".DIF";
    case teWKS:
        return ".WK1";
    case teQuattro:
        return ".WQ1";
    case teSQL:
        return ".SQL";
    case teXML:
        return ".XML";
    case teAccess:
        return ".MDB";
    case teRTF:
        return ".RTF";
    case teSPSS:
        return ".SAV";
    case tePDF:
        return ".PDF";
    case teLDIF:
        return ".LDIF";
    default:
        return String();
    }
}

Integer TVgECustomBaseComponent::GetExportedRecordCount() const {
    return FStatistic->TotalCount();
}

TVgEResult TVgECustomBaseComponent::GetExportResult() const {
    return FStatistic->Result();
}
