// The preview's document commands: loading and saving prepared pages, exports,
// printing with the print dialog, finding text in the pages, and editing,
// adding and deleting pages when a designer is registered.
#include "report/preview/TrpPreviewForm.h"

#include "platform/core/FileUtils.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSaveDialog.h"
#include "platform/ui/TScrollBar.h"
#include "report/common/detail/TrpControls.h"
#include "report/build/TrpEMFPages.h"
#include "report/print/detail/TrpPrintForm.h"
#include "report/print/TrpPrinter.h"
#include "report/preview/detail/TrpPreviewSearchForm.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/build/detail/rpBuild.h"
#include "report/common/detail/rpConsts.h"
#include "report/preview/detail/rpPreviewConsts.h"
#include "report/views/detail/rpCoordinates.h"
#include "report/common/detail/rpRegistry.h"

// ---- Files ----------------------------------------------------------------

void TrpPreviewForm::LoadBtnClick(TObject*) {
    if (!FHeldPages) return;
    OpenDialog->SetFilter(rpPreviewStr(rpsPvReportFile) + " (*.rpp)|*.rpp");
    if (OpenDialog->Execute()) LoadFromFile(OpenDialog->FileName());
}

void TrpPreviewForm::LoadFromFile(const String& FileName) {
    if (!ConnectedReport) return;
    {
        // The report reads into a list of its own and keeps the pages it has
        // when the file does not read; either way the window takes them again.
        ConnectBack();
        core::ScopeExit reconnect([this] { Connect(ConnectedReport); });
        ConnectedReport->LoadPreparedReport(FileName);
    }
    CurrentPage = 1;
    PaintEnabled = false;
    FormResize();
    ShowPageNum();
    SetToCurPage();
    PaintEnabled = true;
    PBox->Invalidate();
}

String TrpPreviewForm::SaveFilter() const {
    String filter = rpPreviewStr(rpsPvReportFile) + " (*.rpp)|*.rpp";
    for (Integer i = 0; i < rpFiltersCount; ++i)
        filter += "|" + rpFilters[i].FilterDesc + "|" + rpFilters[i].FilterExt;
    return filter;
}

void TrpPreviewForm::SaveBtnClick(TObject*) {
    if (!FHeldPages) return;
    SaveDialog->SetFilter(SaveFilter());
    SaveDialog->SetFilterIndex(1);
    if (SaveDialog->Execute()) SaveAs(SaveDialog->FileName(), SaveDialog->FilterIndex());
}

void TrpPreviewForm::SaveToFile(const String& FileName) {
    if (!ConnectedReport) return;
    ConnectBack();
    core::ScopeExit reconnect([this] { Connect(ConnectedReport); });
    ConnectedReport->SavePreparedReport(ChangeFileExt(FileName, ".rpp"));
}

void TrpPreviewForm::SaveAs(const String& FileName, Integer FilterIndex) {
    const Integer filter = FilterIndex - 2;
    if (filter < 0 || filter >= rpFiltersCount) {
        SaveToFile(FileName);
        return;
    }
    if (!ConnectedReport) return;
    const String mask = rpFilters[filter].FilterExt;
    ConnectBack();
    core::ScopeExit reconnect([this] { Connect(ConnectedReport); });
    ConnectedReport->ExportTo(rpFilters[filter].ClassRef,
                              ChangeFileExt(FileName, mask.size() > 1 ? mask.substr(1) : ""));
}

// ---- Printing ---------------------------------------------------------------

void TrpPreviewForm::PrintBtnClick(TObject*) {
    if (!FHeldPages || !PrintBtn->Enabled()) return;
    TrpPrintForm dialog(nullptr);
    // Read once the dialog is made: the first one of a run gives the engine its printer list.
    const Integer oldIndex = Prn ? Prn->PrinterIndex() : 0;
    dialog.PageCount = FHeldPages->Count();
    if (dialog.ShowModal() == mrOk) PrintChosen(&dialog, oldIndex);
}

void TrpPreviewForm::PrintChosen(TrpPrintForm* Dialog, Integer OldIndex) {
    if (!ConnectedReport || !FHeldPages) return;
    const Integer newIndex = Prn ? Prn->PrinterIndex() : OldIndex;
    if (newIndex != OldIndex && ConnectedReport->CanRebuild && !RebuildForPrinter(OldIndex, newIndex)) return;
    String pages;
    if (Dialog->RB2->Checked())
        pages = std::to_string(CurrentPage);
    else if (Dialog->RB3->Checked())
        pages = Dialog->E2->Text();
    PrintPages(pages, Dialog->Copies());
}

bool TrpPreviewForm::RebuildForPrinter(Integer OldIndex, Integer NewIndex) {
    if (!ConnectedReport || !ConnectedReport->ChangePrinter(OldIndex, NewIndex)) return false;
    // The shown pages wait aside while the report builds new ones; they come
    // back, with the old printer, when no new ones are built.
    std::unique_ptr<TrpEMFPages> kept = std::move(FHeldPages);
    bool built = false;
    const core::ScopeExit connect([&] {
        if (!built) {
            ConnectedReport->SetEMFPages(std::move(kept));
            ConnectedReport->ChangePrinter(NewIndex, OldIndex);
        }
        Connect(ConnectedReport);
    });
    built = ConnectedReport->PrepareReport() && !report::rpBuild.ErrorFlag &&
            ConnectedReport->EMFPages()->Count() > 0;
    if (!built && report::rpBuild.ErrorFlag && !report::rpBuild.ErrorShown)
        MessageBox(this, report::rpBuild.ErrorText, rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
    return built;
}

void TrpPreviewForm::PrintPages(const String& Pages, Integer Copies) {
    if (!ConnectedReport || !FHeldPages) return;
    {
        ConnectBack();
        core::ScopeExit reconnect([this] { Connect(ConnectedReport); });
        ConnectedReport->PrintPreparedReport(Pages, Copies);
    }
    RedrawAll();
}

// ---- Page editing -----------------------------------------------------------

void TrpPreviewForm::EditBtnClick(TObject*) {
    if (!ConnectedReport || !FHeldPages || !ConnectedReport->ModifyPrepared) return;
    {
        ConnectBack();
        core::ScopeExit reconnect([this] { Connect(ConnectedReport); });
        ConnectedReport->EditPreparedReport(CurrentPage - 1);
    }
    RedrawAll();
}

void TrpPreviewForm::NewPageBtnClick(TObject*) {
    // A report without a template page has no paper to give the new page.
    if (!ConnectedReport || !FHeldPages || ConnectedReport->Pages()->Count() == 0) return;
    FHeldPages->Insert(CurrentPage - 1, ConnectedReport->Pages()->Pages(0));
    RedrawAll();
}

void TrpPreviewForm::DelPageBtnClick(TObject*) {
    if (!FHeldPages || FHeldPages->Count() <= 1) return;
    if (MessageBox(this, rpPreviewStr(rpsPvDeleteAsk), rpPreviewStr(rpsPvDeletePage),
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    FHeldPages->Delete(CurrentPage - 1);
    RedrawAll();
}

// ---- Find -------------------------------------------------------------------

void TrpPreviewForm::FindBtnClick(TObject*) {
    if (!ConnectedReport) return;
    TrpPreviewSearchForm dialog(nullptr);
    if (dialog.ShowModal() != mrOk) return;
    StartSearch(dialog.Edit1->Text(), dialog.CB1->Checked(), dialog.RB1->Checked());
}

void TrpPreviewForm::StartSearch(const String& Text, bool CaseSensitive, bool FromFirstPage) {
    Search.CaseSensitive = CaseSensitive;
    Search.Text = CaseSensitive ? Text : AnsiUpperCase(Text);
    if (FromFirstPage) {
        Search.Page = 0;
        Search.Run = 0;
    } else if (Search.Page != CurrentPage - 1) {
        Search.Page = CurrentPage - 1;
        Search.Run = 0;
    }
    FindText();
}

void TrpPreviewForm::FindNext() {
    if (Search.Text.empty()) return;
    if (Search.Page != CurrentPage - 1) {
        Search.Page = CurrentPage - 1;
        Search.Run = 0;
    }
    FindText();
}

void TrpPreviewForm::FindText() {
    if (!FHeldPages) return;
    PaintEnabled = false;
    core::ScopeExit paint([this] {
        PaintEnabled = true;
        PBox->Invalidate();
    });
    if (!report::FindText(FHeldPages.get(), Search)) return;
    CurrentPage = Search.Page + 1;
    ShowPageNum();
    const TRect page = FHeldPages->Pages(Search.Page)->R;
    FSettingPage = true;
    core::ScopeExit done([this] { FSettingPage = false; });
    // Saturated as the pages' places are: a hit far down a huge page at a large zoom.
    VScrollBar->SetPosition(
        report::RoundCoordinate(Search.HitAt.Y * ZoomFactor + page.Top - report::PreviewGap));
    HScrollBar->SetPosition(
        report::RoundCoordinate(Search.HitAt.X * ZoomFactor + page.Left - report::PreviewGap));
}
