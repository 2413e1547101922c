#include "report/build/TrpReport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStream.h"
#include "platform/core/TypInfo.h"
#include "platform/ui/MessageDialogs.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/common/detail/TrpReportDesigner.h"
#include "report/common/detail/rpGlobals.h"
#include "report/views/TrpView.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpDBUtils.h"
#include "report/print/detail/rpPrinterLink.h"
#include "report/common/detail/rpStreamUtils.h"
#include "report/build/detail/rpXMLWriter.h"

#include "platform/data/TDataSet.h"

#include <utility>

TrpReport::TrpReport(TComponent* AOwner)
    : TComponent(AOwner), FPages(std::make_unique<TrpPages>(this)),
      FEMFPages(std::make_unique<TrpEMFPages>(this)), FVariables(std::make_unique<TStringList>()),
      FValues(std::make_unique<TrpValues>()) {
    FileName = rpLoadStr(rpsUntitled);
}

TrpReport::~TrpReport() {
    if (CurReport == this) CurReport = nullptr;
    if (MasterReport == this) MasterReport = nullptr;
}

namespace {

void ShowUnsupportedFormat() {
    MessageBox(nullptr, rpLoadStr(rpsUnsupportedFormat), rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
}

} // namespace

void TrpReport::LoadFromStream(TStream* Stream) {
    CurReport = this;
    try {
        rpVersion = Stream->ReadByte();
        if (rpVersion < 21) {
            // An old stream has no version byte: it begins with the report header.
            rpVersion = 21;
            Stream->Seek(-1, soFromCurrent);
        } else if (rpVersion > rpCurrentVersion) {
            ShowUnsupportedFormat();
            return;
        }
        FPages->LoadFromStream(Stream);
    } catch (...) {
        FPages->Clear();
        FPages->Add();
        ShowUnsupportedFormat();
    }
}

void TrpReport::SaveToStream(TStream* Stream) {
    if (FSaveXML) {
        SaveToRP3Stream(this, Stream);
        return;
    }
    FPages->CheckWritable();
    rpVersion = rpCurrentVersion;
    Stream->WriteByte(rpVersion);
    FPages->SaveToStream(Stream);
}

void TrpReport::ReadBinaryData(TStream* Stream) {
    Stream->ReadInt32();
    if (!FStoreInDFM) return;
    const std::int32_t size = Stream->ReadInt32();
    if (size < 0 || size > Stream->Size() - Stream->Position()) throw EReadError("Stream read error");
    TMemoryStream template_;
    if (size > 0) template_.CopyFrom(Stream, size);
    template_.SetPosition(0);
    LoadFromStream(&template_);
}

void TrpReport::WriteBinaryData(TStream* Stream) {
    Stream->WriteInt32(rpCurrentVersion);
    if (!FStoreInDFM) return;
    TMemoryStream template_;
    SaveToStream(&template_);
    Stream->WriteInt32(static_cast<std::int32_t>(template_.Size()));
    template_.SetPosition(0);
    if (template_.Size() > 0) Stream->CopyFrom(&template_, template_.Size());
}

std::unique_ptr<TrpEMFPages> TrpReport::TakeEMFPages() {
    return std::exchange(FEMFPages, std::make_unique<TrpEMFPages>(this));
}

void TrpReport::SetEMFPages(std::unique_ptr<TrpEMFPages> Pages) {
    FEMFPages = Pages ? std::move(Pages) : std::make_unique<TrpEMFPages>(this);
    FEMFPages->Parent = this;
}

void TrpReport::LoadPreparedReport(const String& FileName) {
    FEMFPages->LoadFromFile(FileName);
    CanRebuild = false;
}

void TrpReport::SavePreparedReport(const String& FileName) {
    FEMFPages->SaveToFile(FileName);
}

void TrpReport::EditPreparedReport(Integer PageIndex) {
    if (!rpDesigner || PageIndex < 0 || PageIndex >= FEMFPages->Count()) return;
    TrpPageInfo* info = FEMFPages->Pages(PageIndex);
    FEMFPages->ObjectsToPage(PageIndex);
    CurReport = this;
    rpDesigner->Page = info->Page.get();
    const core::ScopeExit done([info] {
        rpDesigner->Page = nullptr;
        info->Page.reset();
    });
    // The designer's changes are kept when it closes with OK.
    if (rpDesigner->ShowModal() == mrOk) FEMFPages->PageToObjects(PageIndex);
}

void TrpReport::SetPrinterTo(const String& PrinterName) {
    if (!PrintToDefault && rpPrinterLink) rpPrinterLink->SelectPrinter(PrinterName);
}

TrpView* TrpReport::FindObject(const String& Name) const {
    for (Integer i = 0; i < FPages->Count(); ++i)
        if (TrpView* view = FPages->Pages(i)->FindObject(Name)) return view;
    return nullptr;
}

void TrpReport::InternalOnEnterRect(TStringList* Memo, TrpView* View) {
    if (TField* blob = View->BlobField()) View->GetBlob(blob);
    if (OnEnterRect) OnEnterRect(Memo, View);
}

void TrpReport::InternalOnExportData(TrpView* View) {
    if (OnExportData) OnExportData(View->Left, View->Top, View);
}

void TrpReport::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "ReportForm", [this](TStream* Stream) { ReadBinaryData(Stream); },
        [this](TStream* Stream) { WriteBinaryData(Stream); }, true);
}

void rpRegisterReportClass() {
    RegisterClass<TrpReport>(
        "TrpReport", "",
        {BoolProp<TrpReport>("StoreInDFM", &TrpReport::StoreInDFM, &TrpReport::SetStoreInDFM, 0)});
}
